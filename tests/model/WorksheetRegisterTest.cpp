// The program's copy of the register, apart from any file.
#include "model/WorksheetRegister.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

using namespace av;

namespace {

QStringList letters(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QString(QChar(u'A' + i));
    return names;
}

TEST(WorksheetRegisterTest, OnlySlotsUpToTheCountAreListedOrFound) {
    WorksheetRegister list;
    list.assign(letters(3));
    list.setCount(2);
    EXPECT_EQ(list.names(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_TRUE(list.contains(QStringLiteral("B")));
    EXPECT_FALSE(list.contains(QStringLiteral("C"))) << "past the count";
    EXPECT_FALSE(list.contains(QStringLiteral("b"))) << "compared exactly";
    EXPECT_EQ(list.name(3), QStringLiteral("C")) << "a slot past the count keeps its name";
    EXPECT_TRUE(list.name(0).isEmpty());
    EXPECT_TRUE(list.name(1001).isEmpty());

    list.setCount(-4);
    EXPECT_TRUE(list.names().isEmpty());
    EXPECT_FALSE(list.contains(QStringLiteral("A")));
    list.setCount(5000); // a count read from a damaged file
    EXPECT_EQ(list.names().size(), WorksheetRegister::MaxNames);
}

TEST(WorksheetRegisterTest, RemovingASlotMovesTheLaterNamesUp) {
    WorksheetRegister list;
    list.assign(letters(4));
    list.removeSlot(2);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.names(),
              (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("D")}));
    EXPECT_EQ(list.name(4), QStringLiteral("D")) << "the freed slot is left as it was";

    for (int outside : {0, 4, -1, 2000})
        list.removeSlot(outside);
    EXPECT_EQ(list.count(), 3) << "a slot outside the count changes nothing";
    list.removeSlot(3);
    list.removeSlot(1);
    EXPECT_EQ(list.names(), QStringList{QStringLiteral("C")});
}

TEST(WorksheetRegisterTest, ThereAreAThousandSlots) {
    WorksheetRegister list;
    list.setName(WorksheetRegister::MaxNames, QStringLiteral("Last"));
    EXPECT_EQ(list.name(1000), QStringLiteral("Last"));
    for (int slot : {0, 1001, -1}) {
        try {
            list.setName(slot, QStringLiteral("Over"));
            ADD_FAILURE() << "slot " << slot << " taken";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), RuntimeError::SubscriptOutOfRange);
        }
    }
    QStringList tooMany;
    for (int i = 0; i <= WorksheetRegister::MaxNames; ++i)
        tooMany << QString::number(i);
    EXPECT_THROW(list.assign(tooMany), RuntimeError);
    EXPECT_EQ(list.count(), 0) << "a refused list changes nothing";
    tooMany.removeLast();
    list.assign(tooMany);
    EXPECT_EQ(list.count(), 1000);
}

} // namespace
