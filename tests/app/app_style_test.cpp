#include <QApplication>
#include <QGroupBox>
#include <QStyleFactory>
#include <QtTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>

#include "app/app_style.h"

using namespace dtu;

namespace {

// Channel levels by which Fusion's picture and the drawn frame may differ at
// the anti-aliased corners; a misplaced line differs by far more.
constexpr int kFrameTolerance = 12;

QImage Drawn(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage();
}

QImage Drawn(QStyle* style, const QString& title, bool checkable) {
    QGroupBox box(title);
    box.setCheckable(checkable);
    box.setStyle(style);
    box.resize(305, 177);
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(box.palette().window().color());
    box.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

long ThreadCount() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return std::distance(begin(tasks), end(tasks));
}

int LargestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

}  // namespace

class AppStyleTest : public QObject {
    Q_OBJECT

private slots:
    // Helper threads take longer to start than the whole first frame takes to draw.
    // First, so that no other drawing has started any that would still idle.
    void tallGroupBoxFrameStartsNoThread() {
        AppStyle style;
        QGroupBox box;
        box.setStyle(&style);
        box.resize(305, 600);
        QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
        const long before = ThreadCount();
        box.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(ThreadCount(), before);
    }

    void iconsLookLikeThePlatformStyles_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("menu bar overflow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("tool bar overflow") << int(QStyle::SP_ToolBarVerticalExtensionButton);
        QTest::newRow("any other") << int(QStyle::SP_DialogOkButton);
    }

    void iconsLookLikeThePlatformStyles() {
        QFETCH(int, which);
        const auto pixmap = static_cast<QStyle::StandardPixmap>(which);
        const std::unique_ptr<QStyle> platform(QStyleFactory::create("Fusion"));
        AppStyle style;
        const QIcon icon = style.standardIcon(pixmap, nullptr, nullptr);
        QVERIFY(!icon.isNull());
        QCOMPARE(Drawn(icon), Drawn(platform->standardIcon(pixmap)));
    }

    void groupBoxFramesLookLikeThePlatformStyles_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("bare") << QString() << false;
        QTest::newRow("titled") << QString::fromUtf8("串口 Port") << false;
        QTest::newRow("check box only") << QString() << true;
    }

    void groupBoxFramesLookLikeThePlatformStyles() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        // Each box owns neither style; both outlive the boxes.
        const std::unique_ptr<QStyle> platform(QStyleFactory::create("Fusion"));
        AppStyle style;
        QVERIFY(LargestDifference(Drawn(platform.get(), title, checkable),
                                  Drawn(&style, title, checkable)) <= kFrameTolerance);
    }
};

QTEST_MAIN(AppStyleTest)
#include "app_style_test.moc"
