#include "TopicRecord.h"

#include "shell/Glossary.h"

namespace av {

TopicRecord pyramidsTopic() {
    return {QString::fromLatin1(glossary::window::PyramidsTopic),
            QStringLiteral("The Pyramids"),
            QStringLiteral("Images\\pyramids.jpg"),
            QStringLiteral("multiple\\The Pyramids.txt"),
            QStringLiteral("images\\pyramidssm.jpg"),
            QString::fromLatin1(glossary::window::PyramidsLabelling),
            QString::fromLatin1(glossary::window::PyramidsOrdering),
            QStringLiteral("key pyramids"),
            QStringLiteral("pyramids"),
            3};
}

TopicRecord wordsTopic() {
    return {QString::fromLatin1(glossary::window::WordsTopic),
            QStringLiteral("Words and Numbers"),
            QStringLiteral("Images\\hieroglyphs.jpg"),
            QStringLiteral("multiple\\Words and Numbers.txt"),
            QStringLiteral("images\\hieroglyphs2sm.jpg"),
            QString::fromLatin1(glossary::window::WordsLabelling),
            QString::fromLatin1(glossary::window::WordsOrdering),
            QStringLiteral("key words"),
            QStringLiteral("words"),
            3};
}

} // namespace av
