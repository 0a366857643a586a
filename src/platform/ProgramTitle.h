#pragma once

namespace av {

// The name on every caption bar, message box and print job, and in the sound server's list.
inline constexpr char ProgramTitle[] = "Ancient Velmora";

} // namespace av
