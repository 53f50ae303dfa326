// Test main of ruvo_gui_tests: an offscreen QApplication whose settings, data
// and log live in a private temporary folder, never in the user's files.

#include "numeric/CalcLog.h"

#include <QApplication>
#include <QSettings>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <system_error>

namespace {

void SetDefault(const char *name, const std::string &value)
{
    if (std::getenv(name) == nullptr)
        setenv(name, value.c_str(), 1);
}

// A fresh 0700 folder under the system temporary folder.
std::filesystem::path MakeTemporaryRoot()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-gui-tests-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return pattern;
}

} // namespace

int main(int argc, char **argv)
{
    const std::filesystem::path root = MakeTemporaryRoot();
    auto folder = [&root](const char *name) {
        std::filesystem::path path = root / name;
        std::filesystem::create_directories(path);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path.string();
    };

    SetDefault("QT_QPA_PLATFORM", "offscreen");
    setenv("QT_SCALE_FACTOR", "1", 1);
    SetDefault("XDG_RUNTIME_DIR", folder("runtime"));
    // Settings, data and caches always go to the private folder, even when
    // the caller's environment names the user's own folders.
    setenv("XDG_CONFIG_HOME", folder("config").c_str(), 1);
    setenv("XDG_DATA_HOME", folder("data").c_str(), 1);
    setenv("XDG_CACHE_HOME", folder("cache").c_str(), 1);

    testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QApplication application(argc, argv);
        // QApplication has set the user's locale; files and logs need the C one.
        std::setlocale(LC_NUMERIC, "C");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(folder("config")));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(folder("config")));
        SetLogFilePath(folder("data") + "/Ruvo.log");
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return result;
}
