// Runs the settings dialog test classes (or the one named by the first argument).

#include <QApplication>
#include <QTest>
#include <clocale>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace zt46 {
std::unique_ptr<QObject> MakeSystemParamDlgTest();
std::unique_ptr<QObject> MakeCommonSheetTest();
std::unique_ptr<QObject> MakeVfoSheetTest();
std::unique_ptr<QObject> MakeSettingsMenuTest();
} // namespace zt46

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QObject>()>>> suites = {
        {"SystemSettingsDialogTest", zt46::MakeSystemParamDlgTest},
        {"CommonSettingsTest", zt46::MakeCommonSheetTest},
        {"VfoSettingsTest", zt46::MakeVfoSheetTest},
        {"SettingsMenuTest", zt46::MakeSettingsMenuTest},
    };
    const char* only = nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = 1; i < argc; ++i) {
        bool named = false;
        for (const auto& suite : suites)
            named = named || (only == nullptr && std::strcmp(argv[i], suite.first) == 0);
        if (named) {
            only = argv[i];
        } else {
            args.push_back(argv[i]);
        }
    }
    int failures = 0;
    for (const auto& [name, make] : suites) {
        if (only != nullptr && std::strcmp(name, only) != 0) continue;
        std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
    }
    return failures == 0 ? 0 : 1;
}
