#pragma once

#include <QRect>
#include <cstddef>
#include <cstdint>

namespace av::wmf {

// What the file's headers say, before any record is read.
struct FileHeader {
    bool placeable = false;
    QRect bounds; // placeable bounding box, in the file's logical units
    int unitsPerInch = 0;
    int objectCount = 0;
    std::size_t firstRecord = 0; // byte offset of the first record
};

// Reads the placeable and META headers; false when the bytes are no metafile.
bool readHeader(const char* data, std::size_t size, FileHeader& header);

// One record, checked to lie wholly inside the file.
struct Record {
    const char* data = nullptr; // the record's first byte (its size field)
    std::size_t size = 0;       // in bytes
    int type = 0;               // low byte of the function number

    bool holds(std::size_t bytes) const { return size >= bytes; }
    const char* end() const { return data + size; }
    std::int16_t i16(std::size_t offset) const;
    std::uint16_t u16(std::size_t offset) const;
};

// Walks the records in order. Stops at the end record, at the end of the data,
// or at a record whose size would run past the end.
class RecordReader {
  public:
    RecordReader(const char* data, std::size_t size, std::size_t first);
    bool next(Record& record);
    // Stopped at a record that cannot be read (no size, or a size past the end) rather than at
    // the end record or the end of the data.
    bool damaged() const { return m_damaged; }

  private:
    const char* m_pos;
    const char* m_end;
    bool m_done = false;
    bool m_damaged = false;
};

} // namespace av::wmf
