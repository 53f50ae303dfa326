// Settings kept between runs: defaults, stored text forms, the rules for
// reading reals, the tool toggles, window placement and recent files.

#include "app/SettingsStore.h"

#include "app/RecentFiles.h"
#include "app/WindowPlacement.h"
#include "model/Settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        saved = Settings::current();
    }
    void TearDown() override { Settings::current() = saved; }

    QTemporaryDir folder;
    QSettings store{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    Settings saved;
};

TEST_F(SettingsStoreTest, AnEmptyStoreGivesTheFirstStartDefaults)
{
    Settings settings;
    settings.type = 2;
    settings.EI = 7.0;
    settings.showGrid = 0;
    settings.gridStep = 3.0;
    settings.mouseStep = 3.0;
    settings.logEnabled = 1;
    settings.axialCompliance = 1;
    SettingsStore::LoadSettings(store, settings);
    EXPECT_EQ(settings.type, 1);
    for (double value : {settings.EI, settings.EF, settings.H, settings.alpha, settings.MU, settings.NU})
        EXPECT_DOUBLE_EQ(value, 1.0);
    EXPECT_EQ(settings.showNumbers, 1);
    EXPECT_EQ(settings.showGrid, 1);
    EXPECT_DOUBLE_EQ(settings.gridStep, 0.5);
    EXPECT_DOUBLE_EQ(settings.mouseStep, 0.1);
    EXPECT_EQ(settings.axialCompliance, 0);
    EXPECT_EQ(settings.logEnabled, 0);
}

TEST_F(SettingsStoreTest, EverySettingSurvivesARoundTripInItsStoredForm)
{
    Settings written;
    written.type = 2;
    written.EI = 2.1e7;
    written.EF = 4.2e9;
    written.H = 0.3;
    written.alpha = 1.2e-5;
    written.MU = 1.5;
    written.NU = 0.25;
    written.showNumbers = 0;
    written.showGrid = 0;
    written.gridStep = 0.25;
    written.mouseStep = 0.05;
    written.axialCompliance = 1;
    written.logEnabled = 1;
    // Each value is in the store when its turn comes, in the order of a
    // confirmed options dialog, and none before its turn.
    const QStringList order = {
        QStringLiteral("MouseStep"), QStringLiteral("GridStep"), QStringLiteral("ShowNumbers"),
        QStringLiteral("ShowGrid"),  QStringLiteral("Type"),     QStringLiteral("EI"),
        QStringLiteral("EF"),        QStringLiteral("H"),        QStringLiteral("Alpha"),
        QStringLiteral("MU"),        QStringLiteral("NU"),       QStringLiteral("AxialCompliance"),
        QStringLiteral("LogEnabled")};
    QStringList seen;
    SettingsStore::SaveAllSettings(store, written, [&](const char *name) {
        seen << QString::fromLatin1(name);
        for (int i = 0; i < order.size(); ++i) {
            const bool due = i < seen.size();
            EXPECT_EQ(store.contains(QStringLiteral("Settings/") + order[i]), due)
                << order[i].toStdString() << " when " << name << " was written";
        }
    });
    EXPECT_EQ(seen, order);
    store.sync();

    // Reals are "%f" text (six decimals), integers are integers.
    EXPECT_EQ(store.value(QStringLiteral("Settings/GridStep")).toString(), QStringLiteral("0.250000"));
    EXPECT_EQ(store.value(QStringLiteral("Settings/EF")).toString(), QStringLiteral("4200000000.000000"));
    EXPECT_EQ(store.value(QStringLiteral("Settings/Alpha")).toString(), QStringLiteral("0.000012"));
    EXPECT_EQ(store.value(QStringLiteral("Settings/Type")).toInt(), 2);
    EXPECT_EQ(store.value(QStringLiteral("Settings/LogEnabled")).toInt(), 1);
    EXPECT_EQ(store.allKeys().size(), 13);

    Settings read;
    SettingsStore::LoadSettings(store, read);
    EXPECT_EQ(read.type, 2);
    EXPECT_DOUBLE_EQ(read.EI, 2.1e7);
    EXPECT_DOUBLE_EQ(read.EF, 4.2e9);
    EXPECT_DOUBLE_EQ(read.H, 0.3);
    EXPECT_DOUBLE_EQ(read.alpha, 0.000012) << "six decimals are all that is stored";
    EXPECT_DOUBLE_EQ(read.MU, 1.5);
    EXPECT_DOUBLE_EQ(read.NU, 0.25);
    EXPECT_EQ(read.showNumbers, 0);
    EXPECT_EQ(read.showGrid, 0);
    EXPECT_DOUBLE_EQ(read.gridStep, 0.25);
    EXPECT_DOUBLE_EQ(read.mouseStep, 0.05);
    EXPECT_EQ(read.axialCompliance, 1);
    EXPECT_EQ(read.logEnabled, 1);
}

TEST_F(SettingsStoreTest, RealTextsAreReadByTheDecimalConversionRules)
{
    struct Case {
        const char *text;
        double expected;
    };
    const double fallback = 2.5;
    const Case cases[] = {
        {"12.75", 12.75},
        {"-3", -3.0},
        {"1e3", 1000.0},
        {"  4.5", 4.5},
        {"7.25 metres", 7.25},
        {"1e400", fallback},  // overflow: default
        {"-1e400", fallback}, // overflow: default
        {"1e-400", fallback}, // underflow is a range error too
        {"abc", 0.0},         // not a number: 0
        {"", 0.0},
        {"nan", fallback}, // not finite: default
        {"inf", fallback},
    };
    for (const Case &c : cases) {
        store.setValue(QStringLiteral("Settings/EI"), QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(SettingsStore::ReadReal(store, "EI", fallback), c.expected) << '"' << c.text << '"';
    }
    store.remove(QStringLiteral("Settings/EI"));
    EXPECT_DOUBLE_EQ(SettingsStore::ReadReal(store, "EI", fallback), fallback) << "missing value";
    // The default passes through its "%.2f" text.
    EXPECT_DOUBLE_EQ(SettingsStore::ReadReal(store, "EI", 0.123), 0.12);
}

TEST_F(SettingsStoreTest, UnusableStepsAndJointTypesFallBackToTheirDefaults)
{
    const char *const badSteps[] = {"0", "-0.5", "abc", "1e400", "nan", "-inf"};
    for (const char *text : badSteps) {
        store.setValue(QStringLiteral("Settings/GridStep"), QString::fromLatin1(text));
        store.setValue(QStringLiteral("Settings/MouseStep"), QString::fromLatin1(text));
        Settings settings;
        settings.gridStep = 9.0;
        settings.mouseStep = 9.0;
        SettingsStore::LoadSettings(store, settings);
        EXPECT_DOUBLE_EQ(settings.gridStep, 0.5) << text;
        EXPECT_DOUBLE_EQ(settings.mouseStep, 0.1) << text;
    }
    for (int type : {0, 3, 4, -1, 100}) {
        store.setValue(QStringLiteral("Settings/Type"), type);
        Settings settings;
        SettingsStore::LoadSettings(store, settings);
        EXPECT_EQ(settings.type, 1) << type;
    }
    // Other reals keep a stored 0: only steps divide.
    store.setValue(QStringLiteral("Settings/EI"), QStringLiteral("0"));
    Settings settings;
    SettingsStore::LoadSettings(store, settings);
    EXPECT_DOUBLE_EQ(settings.EI, 0.0);
}

TEST_F(SettingsStoreTest, SavingOneSettingWritesOnlyThatValue)
{
    Settings settings;
    settings.mouseStep = 0.2;
    ASSERT_TRUE(SettingsStore::SaveSetting(store, settings, "MouseStep"));
    EXPECT_EQ(store.allKeys(), QStringList{QStringLiteral("Settings/MouseStep")});
    EXPECT_EQ(store.value(QStringLiteral("Settings/MouseStep")).toString(), QStringLiteral("0.200000"));
    EXPECT_FALSE(SettingsStore::SaveSetting(store, settings, "NoSuchSetting"));
    EXPECT_EQ(store.allKeys().size(), 1);
}

TEST_F(SettingsStoreTest, TogglesFlipTheFlagAndStoreItAtOnce)
{
    Settings::current().showGrid = 1;
    Settings::current().showNumbers = 1;
    QSettings user(SettingsStore::organizationName(), SettingsStore::applicationName());
    EXPECT_TRUE(user.fileName().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))))
        << "tests must never touch the real settings: " << user.fileName().toStdString();

    SettingsStore::ToggleShowGrid();
    EXPECT_EQ(Settings::current().showGrid, 0);
    user.sync();
    EXPECT_EQ(user.value(QStringLiteral("Settings/ShowGrid")).toInt(), 0);
    SettingsStore::ToggleShowGrid();
    user.sync();
    EXPECT_EQ(Settings::current().showGrid, 1);
    EXPECT_EQ(user.value(QStringLiteral("Settings/ShowGrid")).toInt(), 1);

    SettingsStore::ToggleShowNumbers();
    user.sync();
    EXPECT_EQ(Settings::current().showNumbers, 0);
    EXPECT_EQ(user.value(QStringLiteral("Settings/ShowNumbers")).toInt(), 0);

    // LoadSettings reads the same store into the program's record.
    SettingsStore::LoadSettings();
    EXPECT_EQ(Settings::current().showNumbers, 0);
    EXPECT_EQ(Settings::current().showGrid, 1);
}

TEST_F(SettingsStoreTest, WindowPlacementStartsAt640By480AndRoundTrips)
{
    const WindowPlacement first = WindowPlacement::load(store);
    EXPECT_EQ(first.normal, QRect(0, 0, 640, 480));
    EXPECT_FALSE(first.maximized);

    WindowPlacement placement;
    placement.normal = QRect(30, 40, 800, 600);
    placement.maximized = true;
    placement.save(store);
    EXPECT_EQ(store.value(QStringLiteral("Window/Left")).toInt(), 30);
    EXPECT_EQ(store.value(QStringLiteral("Window/Top")).toInt(), 40);
    EXPECT_EQ(store.value(QStringLiteral("Window/Right")).toInt(), 830);
    EXPECT_EQ(store.value(QStringLiteral("Window/Bottom")).toInt(), 640);
    EXPECT_EQ(store.value(QStringLiteral("Window/Maximized")).toInt(), 1);
    const WindowPlacement read = WindowPlacement::load(store);
    EXPECT_EQ(read.normal, placement.normal);
    EXPECT_TRUE(read.maximized);

    // A rectangle without a usable size gets the default size at its place.
    struct Case {
        int left, top, right, bottom;
    };
    const Case unusable[] = {
        {100, 100, 50, 50}, {0, 0, 10, 480}, {0, 0, 640, 0}, {-2147483647, 0, 2147483647, 480}};
    for (const Case &c : unusable) {
        store.setValue(QStringLiteral("Window/Left"), c.left);
        store.setValue(QStringLiteral("Window/Top"), c.top);
        store.setValue(QStringLiteral("Window/Right"), c.right);
        store.setValue(QStringLiteral("Window/Bottom"), c.bottom);
        const QRect rect = WindowPlacement::load(store).normal;
        EXPECT_EQ(rect.size(), QSize(640, 480)) << c.left << ' ' << c.right;
        EXPECT_EQ(rect.topLeft(), QPoint(c.left, c.top));
    }
}

TEST_F(SettingsStoreTest, RecentFilesKeepFourNewestFirstWithoutDuplicates)
{
    RecentFiles recent;
    recent.load(store);
    EXPECT_TRUE(recent.files().isEmpty());
    const QString a = folder.filePath(QStringLiteral("a.str"));
    const QString b = folder.filePath(QStringLiteral("b.str"));
    const QString c = folder.filePath(QStringLiteral("c.str"));
    const QString d = folder.filePath(QStringLiteral("d.str"));
    const QString e = folder.filePath(QStringLiteral("e.str"));
    for (const QString &path : {a, b, c, d, e})
        recent.add(path);
    EXPECT_EQ(recent.files(), (QStringList{e, d, c, b}));
    recent.add(c);
    EXPECT_EQ(recent.files(), (QStringList{c, e, d, b}));

    recent.save(store);
    EXPECT_EQ(store.value(QStringLiteral("Recent File List/File1")).toString(), c);
    EXPECT_EQ(store.value(QStringLiteral("Recent File List/File4")).toString(), b);
    RecentFiles reread;
    reread.load(store);
    EXPECT_EQ(reread.files(), recent.files());

    recent.remove(e);
    recent.save(store);
    EXPECT_FALSE(store.contains(QStringLiteral("Recent File List/File4")));
    reread.load(store);
    EXPECT_EQ(reread.files(), (QStringList{c, d, b}));
}

} // namespace
