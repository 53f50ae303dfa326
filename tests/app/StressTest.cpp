// A structure of the size the benchmarks measure (a rigid frame of 30
// storeys by 20 bays: 651 nodes, 1230 rods) goes the whole way a user takes
// it: opened from a file, calculated for the moment diagram, drawn, saved
// and opened again. Correctness only; bench/gui/StressBench.cpp times it.

#include "app/MainFrame.h"
#include "app/SettingsStore.h"
#include "document/CommandIds.h"
#include "document/RuvoDoc.h"
#include "fixtures/FilesAndPixels.h"
#include "fixtures/RigidFrame.h"
#include "model/Settings.h"
#include "model/StructureFile.h"
#include "support/RecordingReporter.h"
#include "view/RuvoView.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int Storeys = 30;
constexpr int Bays = 20;
constexpr double FloorForce = 1000.0; // N, sideways at the left end of each floor
constexpr double BeamLoad = -2000.0;  // N/M, downwards on every beam

StructureModel MakeFrame()
{
    return MakeRigidFrame(Storeys, Bays, {FloorForce, BeamLoad});
}

} // namespace

TEST(StressTest, ALargeFrameOpensCalculatesDrawsAndSaves)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings(SettingsStore::organizationName(), SettingsStore::applicationName()).clear();
    RecordingReporter reporter;
    const StructureModel frame = MakeFrame();
    const int nodes = frame.nodes.count;
    const int rods = frame.rods.count;
    ASSERT_EQ(nodes, (Storeys + 1) * (Bays + 1));
    ASSERT_EQ(rods, Storeys * (Bays + 1) + Storeys * Bays);

    const QString path = folder.filePath(QStringLiteral("frame.str"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string text = WriteStructure(frame);
        ASSERT_EQ(file.write(text.data(), static_cast<qint64>(text.size())),
                  static_cast<qint64>(text.size()));
    }

    auto window = std::make_unique<MainFrame>();
    window->resize(1000, 700);
    RuvoDoc &doc = *window->document();
    RuvoView &view = *window->view();
    ASSERT_TRUE(window->openFile(path));
    EXPECT_TRUE(reporter.messages.empty());
    ASSERT_EQ(doc.structure().nodes.count, nodes);
    ASSERT_EQ(doc.structure().rods.count, rods);

    // The moment diagram calculates.
    view.resultCommand(Command::ShowMoments);
    ASSERT_TRUE(reporter.messages.empty()) << reporter.messages.front().headline;
    ASSERT_TRUE(doc.display(RuvoDoc::ResultDisplay::Moments));
    EXPECT_FALSE(doc.needsCalculation);
    EXPECT_EQ(doc.structure().nodes.count, nodes);
    EXPECT_EQ(doc.structure().rods.count, rods);

    // The supports carry what the frame is loaded with.
    double reactionX = 0.0, reactionY = 0.0, largestMoment = 0.0;
    for (const Node &node : doc.structure().nodes) {
        ASSERT_TRUE(std::isfinite(node.resultDisplacement.x) && std::isfinite(node.resultDisplacement.y) &&
                    std::isfinite(node.resultDisplacement.z));
        if (node.isSupport()) {
            reactionX += node.reaction.x;
            reactionY += node.reaction.y;
        }
    }
    for (const Rod &rod : doc.structure().rods) {
        ASSERT_TRUE(std::isfinite(rod.resultM.x) && std::isfinite(rod.resultM.y));
        largestMoment = std::max({largestMoment, std::fabs(rod.resultM.x), std::fabs(rod.resultM.y)});
    }
    const double appliedX = Storeys * FloorForce;
    const double appliedY = Storeys * Bays * RigidFrameBayWidth * BeamLoad;
    EXPECT_NEAR(reactionX, -appliedX, 1e-6 * std::fabs(appliedX));
    EXPECT_NEAR(reactionY, -appliedY, 1e-6 * std::fabs(appliedY));
    EXPECT_GT(largestMoment, 0.0);

    // Drawn: the picture is more than the background.
    QImage picture(view.canvas()->size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        view.paintView(painter);
    }
    int marked = 0;
    for (int y = 0; y < picture.height(); y += 2) {
        for (int x = 0; x < picture.width(); x += 2)
            marked += picture.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_GT(marked, picture.width() * picture.height() / 400);
    EXPECT_TRUE(reporter.messages.empty());

    // Saved and opened again: the same structure, in the calculated order.
    const QString copy = folder.filePath(QStringLiteral("copy.str"));
    ASSERT_TRUE(window->saveAs(copy));
    const QByteArray saved = ReadBytes(copy);
    ASSERT_TRUE(window->openFile(copy));
    EXPECT_EQ(doc.structure().nodes.count, nodes);
    EXPECT_EQ(doc.structure().rods.count, rods);
    ASSERT_TRUE(window->saveAs(copy));
    EXPECT_EQ(ReadBytes(copy), saved);
    EXPECT_TRUE(reporter.messages.empty());
}
