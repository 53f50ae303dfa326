#pragma once

// A main window with a new structure for each test: fresh stored settings
// before and after, the settings record restored, a scratch folder, and the
// errors recorded instead of shown.

#include "app/MainFrame.h"
#include "app/SettingsStore.h"
#include "dialogs/GuiTestSupport.h"
#include "document/RuvoDoc.h"
#include "model/Settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class MainFrameFixture : public ::testing::Test {
protected:
    static QSettings Store()
    {
        return QSettings(SettingsStore::organizationName(), SettingsStore::applicationName());
    }
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        Store().clear();
        saved = Settings::current();
        frame = std::make_unique<MainFrame>();
        frame->document()->newDocument();
    }
    void TearDown() override
    {
        frame->document()->setModified(false);
        frame.reset();
        Settings::current() = saved;
        Store().clear();
    }
    QString pathOf(const char *name) const { return folder.filePath(QString::fromUtf8(name)); }

    RecordingReporter reporter;
    QTemporaryDir folder;
    Settings saved;
    std::unique_ptr<MainFrame> frame;
};
