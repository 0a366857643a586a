#include "wmf/RecordReader.h"

#include <cstring>
#include <uwmf.h>

namespace av::wmf {

bool readHeader(const char* data, std::size_t size, FileHeader& header) {
    if (!data || size < U_SIZE_WMRHEADER) return false;
    U_WMRPLACEABLE placeable{};
    U_WMRHEADER meta{};
    const int headerBytes = wmfheader_get(data, data + size, &placeable, &meta);
    if (headerBytes <= 0) return false;
    // Type 1 is a memory metafile, 2 a disk one; the header is always nine words.
    if ((meta.iType != 1 && meta.iType != 2) || meta.Size16w != 9) return false;
    header.placeable = placeable.Key == 0x9AC6CDD7;
    if (header.placeable) {
        const auto& box = placeable.Dst;
        header.bounds = QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
        header.unitsPerInch = placeable.Inch;
    }
    header.objectCount = meta.nObjects;
    header.firstRecord = static_cast<std::size_t>(headerBytes);
    return header.firstRecord <= size;
}

std::int16_t Record::i16(std::size_t offset) const {
    std::int16_t value = 0;
    if (offset + 2 <= size) std::memcpy(&value, data + offset, 2);
    return value;
}

std::uint16_t Record::u16(std::size_t offset) const {
    return static_cast<std::uint16_t>(i16(offset));
}

RecordReader::RecordReader(const char* data, std::size_t size, std::size_t first)
    : m_pos(data + first), m_end(data + size) {}

bool RecordReader::next(Record& record) {
    if (m_done || m_end - m_pos < U_SIZE_METARECORD) return false;
    const std::size_t size = U_WMRRECSAFE_get(m_pos, m_end);
    if (size == 0) {
        m_done = true;
        m_damaged = true;
        return false;
    }
    record.data = m_pos;
    record.size = size;
    record.type = static_cast<unsigned char>(m_pos[4]);
    if (record.type == U_WMR_EOF) {
        m_done = true;
        return false;
    }
    m_pos += size;
    return true;
}

} // namespace av::wmf
