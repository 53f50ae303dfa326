// Value labels placed without overlapping: the placement function itself,
// and the labels of every bundled example with every result display.

#include "view/LabelPlacement.h"

#include "engine/Calculate.h"
#include "model/StructureFile.h"
#include "view/LabelBoard.h"
#include "view/ResultDrawing.h"
#include "view/StructureDrawing.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const QRectF Everywhere(-1e6, -1e6, 2e6, 2e6);

StructureModel CalculatedFile(const QString &path)
{
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    StructureModel structure;
    EXPECT_TRUE(ReadStructure(structure, text.str()).ok) << path.toStdString();
    double time = 0.0;
    EXPECT_TRUE(Calculate(structure, time)) << path.toStdString();
    return structure;
}

} // namespace

TEST(LabelPlacement, KeepsTheAnchorFirstMovesAColliderAndNeverDropsOne)
{
    const QRectF box(0, 0, 40, 10);
    const std::vector<QPointF> moves = MovesAlong(QPointF(1, 0), QPointF(0, 1), 6, 60);
    std::vector<LabelRequest> requests = {
        {box, QPointF(0, 0), moves},
        {box.translated(10, 2), QPointF(10, 2), moves},   // on top of the first
        {box.translated(200, 0), QPointF(200, 0), moves}, // free
    };
    const std::vector<LabelPlace> placed = PlaceLabels(requests, Everywhere, 1.0, 20.0);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].box, requests[0].box) << "the first label keeps its anchor";
    EXPECT_FALSE(placed[0].moved);
    EXPECT_TRUE(placed[1].moved);
    EXPECT_FALSE(placed[1].box.intersects(placed[0].box));
    EXPECT_GE(placed[1].box.left(), placed[0].box.right()) << "slid along its direction first";
    EXPECT_TRUE(placed[1].leader) << "moved 36 pixels, more than 20";
    EXPECT_EQ(placed[2].box, requests[2].box);

    // Nowhere to go: the label still comes, where it overlaps least.
    std::vector<LabelRequest> crowded = {{box, QPointF(), {}},
                                         {box, QPointF(), {QPointF(0, 5), QPointF(0, 3)}}};
    const std::vector<LabelPlace> squeezed = PlaceLabels(crowded, Everywhere, 1.0, 20.0);
    ASSERT_EQ(squeezed.size(), 2u);
    EXPECT_EQ(squeezed[1].box, box.translated(0, 5));
}

// Every example with loads, reactions and each of the four exclusive
// displays, fitted into a window of 900 x 600 pixels as "Показать всю
// конструкцию" fits it: no two value labels overlap.
TEST(LabelPlacement, LabelsOfTheExamplesDoNotIntersect)
{
    const QDir examples(QStringLiteral(RUVO_SOURCE_EXAMPLES));
    const QStringList files = examples.entryList({QStringLiteral("*.str")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 6);
    enum Display { Moments, Shear, Axial, Displacements };
    for (const QString &name : files) {
        StructureModel structure = CalculatedFile(examples.filePath(name));
        for (Display display : {Moments, Shear, Axial, Displacements}) {
            SCOPED_TRACE(name.toStdString() + " display " + std::to_string(display));
            QImage canvas(900, 600, QImage::Format_RGB32);
            canvas.fill(Qt::white);
            Viewport port;
            port.prepare(DeviceRect{0, 0, 900, 600}, 1);
            WorldRect r = structure.extents();
            const double m = 0.2 * std::max(r.right - r.left, r.top - r.bottom);
            ASSERT_TRUE(port.fitTo(WorldRect{r.left - m, r.top + m, r.right + m, r.bottom - m}));
            QPainter painter(&canvas);
            LabelBoard board(painter);
            drawLoads(painter, port, structure, true);
            drawStructure(painter, port, structure, true, true);
            if (display == Moments)
                drawMoments(painter, port, structure, true);
            else if (display == Shear)
                drawShear(painter, port, structure, 50, true, true);
            else if (display == Axial)
                drawAxial(painter, port, structure, 50, true, true);
            drawReactions(painter, port, structure, true);
            if (display == Displacements)
                drawDisplacements(painter, port, structure, true);
            board.place(Everywhere);
            const std::vector<LabelPlace> &placed = board.placed();
            ASSERT_FALSE(placed.empty());
            for (std::size_t i = 0; i < placed.size(); ++i)
                for (std::size_t j = i + 1; j < placed.size(); ++j)
                    EXPECT_FALSE(placed[i].box.intersects(placed[j].box))
                        << "labels " << i << " and " << j << " overlap";
        }
    }
}
