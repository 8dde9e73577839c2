#pragma once
// The widget test classes register here; the test program runs the one named on its command line.

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace zt46::gui_test {

using Factory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, Factory>& Registry();

struct Registration {
    Registration(const char* name, Factory factory) { Registry()[name] = std::move(factory); }
};

} // namespace zt46::gui_test

#define ZT46_GUI_TEST(Class)                                                                                 \
    static zt46::gui_test::Registration register##Class(#Class,                                              \
                                                        [] { return std::make_unique<zt46::Class>(); });
