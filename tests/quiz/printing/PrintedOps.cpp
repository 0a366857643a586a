#include "PrintedOps.h"

#include <gtest/gtest.h>

namespace av::test {

std::vector<PrintOp> opsOf(const std::vector<PrintOp>& document, PrintOp::Kind kind) {
    std::vector<PrintOp> out;
    for (const PrintOp& op : document)
        if (op.kind == kind) out.push_back(op);
    return out;
}

void expectTexts(const std::vector<PrintOp>& document, const std::vector<Placed>& expected,
                 const QString& fontName) {
    const auto texts = opsOf(document, PrintOp::Kind::Text);
    ASSERT_EQ(texts.size(), expected.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const PrintOp& got = texts[i];
        const Placed& want = expected[i];
        SCOPED_TRACE(QStringLiteral("text %1 \"%2\"").arg(i).arg(want.text).toStdString());
        EXPECT_EQ(got.text, want.text);
        EXPECT_FLOAT_EQ(got.x, want.x);
        EXPECT_FLOAT_EQ(got.y, want.y);
        EXPECT_DOUBLE_EQ(got.fontSize, want.size);
        EXPECT_EQ(got.color, want.colour) << got.color.name().toStdString();
        EXPECT_EQ(got.lineEnd, want.lineEnd);
        EXPECT_EQ(got.fontName, fontName);
    }
}

void expectBoxes(const std::vector<PrintOp>& document, const std::vector<Box>& expected) {
    const auto lines = opsOf(document, PrintOp::Kind::Line);
    ASSERT_EQ(lines.size(), 4 * expected.size());
    for (size_t b = 0; b < expected.size(); ++b) {
        const Box& box = expected[b];
        const float want[4][4] = {{box.left, box.top, box.right, box.top},
                                  {box.left, box.top, box.left, box.bottom},
                                  {box.right, box.top, box.right, box.bottom},
                                  {box.left, box.bottom, box.right, box.bottom}};
        for (int side = 0; side < 4; ++side) {
            const PrintOp& got = lines[4 * b + size_t(side)];
            SCOPED_TRACE(testing::Message() << "figure " << b << " side " << side);
            EXPECT_FLOAT_EQ(got.x, want[side][0]);
            EXPECT_FLOAT_EQ(got.y, want[side][1]);
            EXPECT_FLOAT_EQ(got.x2, want[side][2]);
            EXPECT_FLOAT_EQ(got.y2, want[side][3]);
        }
    }
}

QuestionSet questionSet(const QString& title) {
    QuestionSet set;
    set.title = title;
    for (int n = 1; n <= 10; ++n) {
        set.question(n).text = QStringLiteral("%1 question %2").arg(title).arg(n);
        set.question(n).choice(1) = QStringLiteral("first");
        set.question(n).choice(2) = QStringLiteral("second");
        set.question(n).choice(3) = QStringLiteral("third");
        set.question(n).choice(4) = QStringLiteral("fourth");
        set.question(n).correct = QStringLiteral("2");
    }
    return set;
}

bool sameDocument(const std::vector<PrintOp>& a, const std::vector<PrintOp>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const PrintOp& p = a[i];
        const PrintOp& q = b[i];
        if (p.kind != q.kind || p.text != q.text || p.lineEnd != q.lineEnd || p.x != q.x ||
            p.y != q.y || p.x2 != q.x2 || p.y2 != q.y2 || p.fontName != q.fontName ||
            p.fontSize != q.fontSize || p.color != q.color)
            return false;
        // The pen's width shows only in lines.
        if (p.kind == PrintOp::Kind::Line && p.drawWidth != q.drawWidth) return false;
    }
    return true;
}

} // namespace av::test
