#include "TopicRecord.h"

namespace av {

TopicRecord pyramidsTopic() {
    return {QStringLiteral("pyramids"),
            QStringLiteral("The Pyramids"),
            QStringLiteral("Images\\pyramids.jpg"),
            QStringLiteral("multiple\\The Pyramids.txt"),
            QStringLiteral("images\\pyramidssm.jpg"),
            QStringLiteral("pyramidslab"),
            QStringLiteral("pyramidsord"),
            QStringLiteral("key pyramids"),
            QStringLiteral("pyramids"),
            3};
}

TopicRecord wordsTopic() {
    return {QStringLiteral("words"),
            QStringLiteral("Words and Numbers"),
            QStringLiteral("Images\\hieroglyphs.jpg"),
            QStringLiteral("multiple\\Words and Numbers.txt"),
            QStringLiteral("images\\hieroglyphs2sm.jpg"),
            QStringLiteral("wordslab"),
            QStringLiteral("wordsord"),
            QStringLiteral("key words"),
            QStringLiteral("words"),
            3};
}

QString firstScreenPage(const QString& key) {
    return QStringLiteral("wmf\\") + key + QStringLiteral("a.wmf");
}

QString firstPrintPage(const QString& key) {
    return QStringLiteral("wmf2\\") + key + QStringLiteral("a.wmf");
}

} // namespace av
