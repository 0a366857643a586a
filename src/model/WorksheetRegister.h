#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace av {

// The program's copy of the register of authored worksheets: a count and the names in slots
// 1 to 1000. A load that stops part way keeps what it read, and slots past the count keep
// names from before; the catalogue shows only slots up to the count.
class WorksheetRegister {
  public:
    static constexpr int MaxNames = 1000;

    int count() const { return m_count; }
    // The name in slot 1..1000; the empty text outside them.
    QString name(int slot) const;
    // The names in slots 1 to the count, as far as there are slots.
    QStringList names() const;
    // Whether a slot up to the count holds the title, compared exactly.
    bool contains(const QString& title) const;

    void setCount(int count) { m_count = count; }
    // Fails with a RuntimeError for a slot outside 1..1000.
    void setName(int slot, const QString& name);
    // The count and the first slots become exactly these names.
    void assign(const QStringList& names);
    // Takes the name in slot out, moving the later names up one; a slot outside the count
    // changes nothing.
    void removeSlot(int slot);

  private:
    int m_count = 0;
    std::array<QString, MaxNames + 1> m_slots; // slot 0 unused, so numbers match the file's lines
};

} // namespace av
