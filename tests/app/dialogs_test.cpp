#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/about_window.h"
#include "app/apn_window.h"
#include "app/jpeg_image.h"
#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "shell/version_string.h"
#include "test_support.h"
#include "widgets/clickable_label.h"
#include "widgets/labelled_edit.h"
#include "widgets/lang_qt.h"

using namespace dtu;

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        folder_ = std::make_unique<test::ConfigFolder>();
        LoadLanguage(language_, folder_->FilePath("Lx1Lang.txt").toStdString());
    }

    void decoderRejectsBadPictures_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("expected");
        const QByteArray valid = test::EncodeJpeg(64, 48);
        QTest::newRow("valid") << valid << QSize(64, 48);
        QTest::newRow("truncated") << valid.left(valid.size() / 2) << QSize();
        QTest::newRow("header only")
            << valid.left(valid.indexOf(QByteArray("\xFF\xDA", 2))) << QSize();
        QTest::newRow("declared 20000x20000")
            << test::WithDeclaredSize(valid, 20000, 20000) << QSize();
        QTest::newRow("declared 4097 wide") << test::WithDeclaredSize(valid, 4097, 48) << QSize();
        QTest::newRow("not a jpeg") << QByteArray("GIF89a this is no jpeg at all") << QSize();
        QTest::newRow("empty") << QByteArray() << QSize();
    }
    void decoderRejectsBadPictures() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, expected);
        const QImage image = DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size()));
        QCOMPARE(image.isNull() ? QSize() : image.size(), expected);
    }

    void aboutPictureFromFolder_data() {
        QTest::addColumn<QByteArray>("fileBytes");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QSize>("shown");
        const QByteArray valid = test::EncodeJpeg(30, 20);
        QTest::newRow("no file keeps built-in") << QByteArray() << false << QSize(100, 100);
        QTest::newRow("valid file replaces") << valid << true << QSize(30, 20);
        QTest::newRow("truncated keeps built-in")
            << valid.left(valid.size() - 40) << true << QSize(100, 100);
        QTest::newRow("huge keeps built-in")
            << test::WithDeclaredSize(valid, 20000, 20000) << true << QSize(100, 100);
        QTest::newRow("not a jpeg keeps built-in")
            << QByteArray("\x89PNG\r\n\x1a\n not really") << true << QSize(100, 100);
    }
    void aboutPictureFromFolder() {
        QFETCH(QByteArray, fileBytes);
        QFETCH(bool, fileExists);
        QFETCH(QSize, shown);
        QTemporaryDir pictureDir;
        if (fileExists) {
            QFile file(QDir(pictureDir.path()).filePath("About.jpg"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(fileBytes);
        }
        Tfrm_About about(language_, pictureDir.path());
        about.show();
        QCOMPARE(about.img_About->pixmap().size(), shown);
        // The picture box is never stretched to the picture.
        QCOMPARE(about.img_About->geometry(), QRect(48, 32, 100, 100));
        about.close();
    }

    void aboutIgnoresPictureThatIsNoFile() {
        QTemporaryDir pictureDir;
        const QByteArray fifo = QDir(pictureDir.path()).filePath("About.jpg").toLocal8Bit();
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        Tfrm_About about(language_, pictureDir.path());
        about.show();
        QCOMPARE(about.img_About->pixmap().size(), QSize(100, 100));
        about.close();
    }

    void aboutShowsVersionAndCurrentLanguage() {
        Tfrm_About about(language_, QDir::tempPath());
        QCOMPARE(about.size(), QSize(473, 215));
        for (bool chinese : {true, false}) {
            language_.IsChinese = chinese;
            about.show();
            QCOMPARE(about.lbl_version->text(), " V" + QString::fromStdString(GetVersionString()));
            QCOMPARE(about.windowTitle(), chinese ? QString::fromUtf8("关于本程序") : "About this");
            QCOMPARE(about.btn_About_Yes->text(), chinese ? QString::fromUtf8("确 认") : "OK");
            QCOMPARE(about.lbl_About_Website->text(), Tr(language_, "lang_About_Website"));
            QCOMPARE(about.lbl_SoftName->text(), QString("Brantec-GPRS-DTU"));
            // The caption is not cut and the version does not overlap it.
            const QLabel* caption = about.lbl_About_version;
            QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
            QVERIFY(about.lbl_version->x() > caption->geometry().right());
            about.close();
        }
    }

    void apnValue_data() {
        QTest::addColumn<QString>("apn");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("value");
        QTest::newRow("apn alone") << "cmnet"
                                   << ""
                                   << ""
                                   << "\"cmnet\"";
        QTest::newRow("all three") << "a"
                                   << "u"
                                   << "p"
                                   << "\"a\",\"u\",\"p\"";
        QTest::newRow("password without account") << "a"
                                                  << ""
                                                  << "p"
                                                  << "\"a\"";
        QTest::newRow("account without password") << "a"
                                                  << "u"
                                                  << ""
                                                  << "\"a\",\"u\"";
        QTest::newRow("spaces anywhere") << " cm net "
                                         << " us er"
                                         << "p w "
                                         << "\"cmnet\",\"user\",\"pw\"";
        QTest::newRow("account of spaces") << "a"
                                           << "   "
                                           << "p"
                                           << "\"a\"";
        QTest::newRow("quotes kept") << "x\"y"
                                     << ""
                                     << ""
                                     << "\"x\"y\"";
        QTest::newRow("empty apn") << ""
                                   << "u"
                                   << "p"
                                   << "";
        QTest::newRow("apn of spaces") << "   "
                                       << "u"
                                       << "p"
                                       << "";
    }
    void apnValue() {
        QFETCH(QString, apn);
        QFETCH(QString, account);
        QFETCH(QString, password);
        QFETCH(QString, value);
        QCOMPARE(BuildApnValue(apn, account, password), value);
    }

    void apnConfirmWritesTargetAndCloses() {
        QLineEdit target;
        Tfrm_APN apn(language_, &target);
        QCOMPARE(apn.size(), QSize(270, 220));
        apn.show();
        apn.lbledt_APN->setText("c m n e t");
        apn.lbledt_account->setText("u");
        apn.lbledt_password->setText("p");
        apn.btn_APN->click();
        QCOMPARE(target.text(), QString("\"cmnet\",\"u\",\"p\""));
        QCOMPARE(target.text().size(), 15);
        QVERIFY(!apn.isVisible());
        QCOMPARE(apn.FApn, QString("cmnet"));
        // The edits keep their texts: a second confirmation gives the same value.
        apn.show();
        apn.btn_APN->click();
        QCOMPARE(target.text(), QString("\"cmnet\",\"u\",\"p\""));
    }

    void apnEmptyWarnsAndStaysOpen() {
        QLineEdit target("\"old\"");
        Tfrm_APN apn(language_, &target);
        apn.show();
        apn.lbledt_APN->setText("   ");
        apn.lbledt_account->setText("u");
        QString shown;
        test::OnNextModal([&shown](const QString& text) { shown = text; });
        apn.btn_APN->click();
        QCOMPARE(shown, Tr(language_, "lang_APN_APNEmpty"));
        QVERIFY(apn.isVisible());
        QCOMPARE(target.text(), QString());
        apn.close();
    }

    void apnTextsFollowLanguageAtShow() {
        QLineEdit target;
        Tfrm_APN apn(language_, &target);
        language_.IsChinese = false;
        apn.show();
        QCOMPARE(apn.windowTitle(), QString("APN Setting"));
        QCOMPARE(apn.lbledt_account->Label()->text(), QString("Account:"));
        apn.close();
        language_.IsChinese = true;
        apn.show();
        QCOMPARE(apn.windowTitle(), QString::fromUtf8("APN设置"));
        QCOMPARE(apn.lbledt_account->Label()->text(), QString::fromUtf8("账号:"));
        QCOMPARE(apn.btn_APN->text(), QString::fromUtf8("确 定"));
        apn.close();
    }

private:
    std::unique_ptr<test::ConfigFolder> folder_;
    TLangList language_;
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
