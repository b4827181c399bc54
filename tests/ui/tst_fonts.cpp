// The forms' Verdana where it is missing: every control that asks for it is drawn in the first installed
// narrow stand-in, in each of the four windows, whichever window is made first. The chart wheel's labels are
// drawn in the face Windows has (here its metric twin), inside the ring and clear of each other.
#include "ChartWheel.h"
#include "FakeHost.h"
#include "Program.h"
#include "TestSupport.h"
#include "frmAbout.h"
#include "frmPromotion.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPaintEngine>
#include <QtTest>

namespace {

// A paint device that keeps, of everything drawn on it, the texts: each with its font and the box it takes.
class TextRecorder : public QPaintDevice
{
public:
    struct Text
    {
        QString text;
        QFont font;
        QRectF box;
    };
    QList<Text> texts() const { return m_engine.texts; }
    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 200;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & DirtyTransform)
                transform = state.transform();
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        void drawTextItem(const QPointF &at, const QTextItem &item) override
        {
            const QFontMetricsF metrics(item.font());
            const QRectF box(at.x(), at.y() - metrics.ascent(), metrics.horizontalAdvance(item.text()),
                             metrics.ascent() + metrics.descent());
            texts.append({item.text(), item.font(), transform.mapRect(box)});
        }
        QTransform transform;
        QList<Text> texts;
    };
    mutable Engine m_engine;
};

bool IsSignGlyph(const QString &text) { return !text.isEmpty() && text.at(0).unicode() >= 0x2648 && text.at(0).unicode() <= 0x2653; }

} // namespace

class FontsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void verdanaResolvesToTheStandIn_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("promotion first") << "promotion";
        QTest::newRow("main") << "main";
        QTest::newRow("result") << "result";
        QTest::newRow("About") << "about";
    }
    void verdanaResolvesToTheStandIn()
    {
        QFETCH(QString, which);
        if (QFontDatabase::hasFamily(QStringLiteral("Verdana")))
            QSKIP("Verdana is installed: the forms use it as it is");
        const QStringList standIns{QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")};
        const auto first = std::find_if(standIns.cbegin(), standIns.cend(),
                                        [](const QString &f) { return QFontDatabase::hasFamily(f); });
        if (first == standIns.cend())
            QSKIP("no stand-in for Verdana is installed");

        FakeHost host;
        Program program;
        std::unique_ptr<QWidget> owned;
        QWidget *window = nullptr;
        if (which == "promotion")
            window = (owned = std::make_unique<frmPromotion>(host)).get();
        else if (which == "about")
            window = (owned = std::make_unique<frmAbout>()).get();
        else if (which == "main")
            window = &program.mainWindow();
        else
            window = &program.displayWindow();

        QList<QWidget *> controls = window->findChildren<QWidget *>();
        controls.prepend(window);
        int checked = 0;
        for (const QWidget *control : std::as_const(controls)) {
            if (control->font().family() != QLatin1String("Verdana"))
                continue;
            const QFontInfo shown(control->font());
            QVERIFY2(shown.family() == *first,
                     qPrintable(control->objectName() + QLatin1String(" is drawn in ") + shown.family()));
            QCOMPARE(shown.bold(), control->font().bold());
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // Charts whose axes lie as far apart and as close together as the wheel meets them (the Ascendant 60° to
    // 120° from the Midheaven), at longitudes whose degrees take the most room (two-digit degrees).
    void wheelLabelsInTheWindowsFace_data()
    {
        QTest::addColumn<double>("asc");
        QTest::addColumn<double>("mc");
        QTest::newRow("square") << 118.0 << 28.0;
        QTest::newRow("near, high latitude") << 207.75 << 147.5;
        QTest::newRow("far") << 298.9 << 178.9;
        QTest::newRow("Ascendant at 0°") << 0.0 << 288.0;
    }
    void wheelLabelsInTheWindowsFace()
    {
        QFETCH(double, asc);
        QFETCH(double, mc);
        quorvis::ChartAngles angles;
        angles.asc = asc;
        angles.dsc = std::fmod(asc + 180, 360);
        angles.mc = mc;
        angles.ic = std::fmod(mc + 180, 360);
        TextRecorder device;
        {
            QPainter painter(&device);
            ChartWheel::paint(painter, QPointF(100, 100), 200, angles);
        }
        QList<TextRecorder::Text> labels;
        for (const TextRecorder::Text &t : device.texts())
            if (!IsSignGlyph(t.text))
                labels.append(t);
        QVERIFY2(labels.size() >= 8, qPrintable(QString::number(labels.size())));
        // The ring's inner edge, in the wheel's 200-unit square.
        constexpr qreal Inner = 74;
        for (const TextRecorder::Text &t : std::as_const(labels)) {
            const QString family = QFontInfo(t.font).family();
            QVERIFY2(family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans"),
                     qPrintable(t.text + QLatin1String(" is drawn in ") + family));
            for (const QPointF corner : {t.box.topLeft(), t.box.topRight(), t.box.bottomLeft(), t.box.bottomRight()})
                QVERIFY2(QLineF(QPointF(100, 100), corner).length() <= Inner,
                         qPrintable(t.text + QLatin1String(" reaches into the ring")));
            // (Boxes that only touch, as a label's name and degrees do, are clear of each other.)
            const QRectF inside = t.box.adjusted(0.01, 0.01, -0.01, -0.01);
            for (const TextRecorder::Text &other : std::as_const(labels))
                QVERIFY2(&other == &t || !inside.intersects(other.box),
                         qPrintable(t.text + QLatin1String(" overlaps ") + other.text));
        }
    }
};

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
