#include "PageSource.h"
#include "PageLayout.h"

#include <gtest/gtest.h>

namespace av::pages {
namespace {

TEST(PageSource, ReadsFieldsAndEveryKindOfBlock) {
    QString error;
    const PageSource page =
        parsePageSource(QStringLiteral("title: Paper from reeds\n"
                                       "kicker: Key Facts\n"
                                       "picture: paper-making | Soak, slice and press\n"
                                       "\n"
                                       "# A plant\n"
                                       "The reeds grew\n"
                                       "  beside the *river*.\n"
                                       "- first\n"
                                       "- second\n"
                                       "  goes on\n"
                                       "12. twelfth\n"
                                       "! a note\n"
                                       "\n"
                                       "Last words.\n"),
                        &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(page.title, QStringLiteral("Paper from reeds"));
    EXPECT_EQ(page.kicker, QStringLiteral("Key Facts"));
    EXPECT_EQ(page.picture, QStringLiteral("paper-making"));
    EXPECT_EQ(page.caption, QStringLiteral("Soak, slice and press"));
    using K = Block::Kind;
    const std::vector<std::pair<K, QString>> expected = {
        {K::Heading, QStringLiteral("A plant")},
        {K::Paragraph, QStringLiteral("The reeds grew beside the *river*.")},
        {K::Bullet, QStringLiteral("first")},
        {K::Bullet, QStringLiteral("second goes on")},
        {K::Numbered, QStringLiteral("twelfth")},
        {K::Box, QStringLiteral("a note")},
        {K::Paragraph, QStringLiteral("Last words.")}};
    ASSERT_EQ(page.blocks.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(page.blocks[i].kind, expected[i].first) << i;
        EXPECT_EQ(page.blocks[i].text, expected[i].second) << i;
    }
    EXPECT_EQ(page.blocks[4].number, QStringLiteral("12."));
}

TEST(PageSource, ReportsAMissingTitleAndUnknownFields) {
    QString error;
    parsePageSource(QStringLiteral("# Heading only\n"), &error);
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    parsePageSource(QStringLiteral("title: T\ncolour:red\n"), &error);
    EXPECT_TRUE(error.contains(QStringLiteral("line 2"))) << error.toStdString();
}

TEST(PageLayout, TextThatDoesNotFitIsReportedNotCut) {
    PageSource page;
    page.title = QStringLiteral("Too long");
    page.picture = QStringLiteral("quiz-scroll");
    for (int i = 0; i < 60; ++i)
        page.blocks.push_back(
            {Block::Kind::Paragraph, QStringLiteral("A line of words. ").repeated(8), {}});
    const Theme& theme = *pageCatalogue().front().theme;
    QStringList problems;
    drawPage(page, theme, Medium::Screen, problems);
    EXPECT_TRUE(problems.join(QLatin1Char(' ')).contains(QStringLiteral("does not fit")));

    page.blocks.resize(2);
    page.picture = QStringLiteral("no-such-picture");
    problems.clear();
    const QByteArray bytes = drawPage(page, theme, Medium::Print, problems);
    EXPECT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.value(0).contains(QStringLiteral("no-such-picture")));
    EXPECT_FALSE(bytes.isEmpty());
}

TEST(PageCatalogue, NamesEveryPageTheWindowsOpen) {
    QStringList stems;
    for (const PageSpec& spec : pageCatalogue())
        stems << spec.stem;
    for (const char* key : {"key pyramids", "pyramids", "key words", "words"})
        for (const char* letter : {"a", "b", "c"})
            EXPECT_TRUE(stems.contains(QLatin1String(key) + QLatin1String(letter)))
                << key << letter;
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(stems.contains(QStringLiteral("guide%1").arg(n)));
    EXPECT_TRUE(stems.contains(QStringLiteral("acknowledgments")));
    EXPECT_EQ(stems.size(), 18);
}

} // namespace
} // namespace av::pages
