#include "test_support.h"

#include <jpeglib.h>
#include <pty.h>
#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

namespace dtu::test {

ConfigFolder::ConfigFolder() {
    qputenv("DTUCONFIG_CONFIG_DIR", dir_.path().toLocal8Bit());
}

ConfigFolder::~ConfigFolder() {
    qunsetenv("DTUCONFIG_CONFIG_DIR");
}

void ConfigFolder::WriteSettings(const QByteArray& text) const {
    QFile file(FilePath("Lx1Cfg.ini"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
}

FakePort::FakePort() {
    char name[128] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
        path_ = QString::fromLocal8Bit(name);
    }
}

FakePort::~FakePort() {
    if (master_ >= 0) {
        ::close(master_);
        ::close(slave_);
    }
}

void OnNextModal(std::function<void(const QString& text)> seen) {
    constexpr int kPollMs = 10;
    constexpr int kMaxPolls = 1000;
    auto polls = std::make_shared<int>(0);
    auto timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, polls, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (++*polls > kMaxPolls) {
                timer->deleteLater();
                timer->stop();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen(box != nullptr ? box->text() : modal->windowTitle());
        modal->close();
    });
    timer->start(kPollMs);
}

QByteArray EncodeJpeg(int width, int height) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&cinfo, &out, &outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    unsigned seed = 12345;
    while (cinfo.next_scanline < cinfo.image_height) {
        for (auto& byte : row) {
            seed = seed * 1103515245u + 12345u;
            byte = static_cast<unsigned char>(seed >> 16);
        }
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
    std::free(out);
    return bytes;
}

QByteArray WithDeclaredSize(QByteArray jpeg, int width, int height) {
    // Baseline frame header: FF C0, length (2), precision (1), height (2), width (2).
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof >= 0 && sof + 9 <= jpeg.size()) {
        jpeg[sof + 5] = static_cast<char>(height >> 8);
        jpeg[sof + 6] = static_cast<char>(height & 0xFF);
        jpeg[sof + 7] = static_cast<char>(width >> 8);
        jpeg[sof + 8] = static_cast<char>(width & 0xFF);
    }
    return jpeg;
}

}  // namespace dtu::test
