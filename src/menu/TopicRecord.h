#pragma once

#include <QString>

namespace av {

// What makes one topic screen differ from another; the screens share everything else.
struct TopicRecord {
    QString window;       // the screen's name
    QString title;        // its heading, also the heading of its activities
    QString picture;      // shown centred under the heading
    QString questionFile; // the topic's own quiz
    QString quizPicture;  // shown on the quiz screen
    QString labellingWindow;
    QString orderingWindow;
    QString keyFactsKey; // page-set keys for the page viewer
    QString notesKey;
    int pageCount = 3; // pages in each of the two sets
};

TopicRecord pyramidsTopic();
TopicRecord wordsTopic();

} // namespace av
