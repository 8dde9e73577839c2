#pragma once
// The program's built-in help: short HTML topics addressed by help context numbers.

#include <QString>

namespace zt46 {

struct HelpTopic {
    int context;
    const char* title;
    const char* html;
};

// The topic of a context; the contents page for a context that has none of its own.
const HelpTopic& HelpTopicFor(int context);
// The contents page: links to every topic.
QString HelpContentsHtml();
// The HTML of a topic with its title as a heading.
QString HelpTopicHtml(const HelpTopic& topic);

} // namespace zt46
