// About, Favorite Web Sites and the drawn pictures.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/about_dialog.h"
#include "app/pictures.h"
#include "app/web_sites_dialog.h"
#include "app_test_support.h"
#include "form/control_ids.h"

using namespace vexlor;
using namespace vexlor::testing;

class InfoDialogsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<RecordingLauncher> m_launcher;
    std::unique_ptr<TagFormWindow> m_form;

private slots:
    void init() {
        m_launcher = std::make_unique<RecordingLauncher>();
        QVERIFY((m_form = ShowForm()));
    }
    void cleanup() {
        m_form.reset();
        m_launcher.reset();
    }

    void programInfoShowsTheVersion_data() {
        QTest::addColumn<int>("nHow");
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("Escape") << 2;
        QTest::newRow("close box") << 3;
    }
    void programInfoShowsTheVersion() {
        QFETCH(int, nHow);
        m_form->Controls().SetText(ctl::BodyNumber, "65727");
        QStringList seen;
        WhenModalIs<AboutDialog>([&](AboutDialog* about) {
            seen << about->windowTitle() << about->ControlAs<QLabel>(ctl::AboutVersion)->text();
            if (nHow == 0) QTest::mouseClick(about->Control(ctl::Ok), Qt::LeftButton);
            else if (nHow == 1) QTest::keyClick(about, Qt::Key_Return);
            else if (nHow == 2) QTest::keyClick(about, Qt::Key_Escape);
            else about->close();
            if (!about->isVisible()) seen << "closed";
        });
        QTest::mouseClick(m_form->Control(ctl::ProgramInfo), Qt::LeftButton);
        QCOMPARE(seen, QStringList({"About Vexlor", "Vexlor Version 3.68", "closed"}));
        QCOMPARE(m_form->Controls().GetText(ctl::BodyNumber), std::string("65727"));
    }

    void webSiteButtonsOpenTheSitesEscapeOpensNone() {
        QString strHeading;
        int nHeadingHeight = 0;
        bool bFrameless = false;
        WhenModalIs<WebSitesDialog>([&](WebSitesDialog* sites) {
            auto* heading = sites->ControlAs<QLabel>(ctl::WebHeading);
            strHeading = heading->text();
            nHeadingHeight = QFontMetrics(heading->font()).height();
            bFrameless = sites->windowFlags().testFlag(Qt::FramelessWindowHint);
            QTest::mouseClick(sites->Control(ctl::GoToVelk), Qt::LeftButton);
            QTest::mouseClick(sites->Control(ctl::GoToSorvan), Qt::LeftButton);
            QVERIFY(sites->isVisible());  // the dialog stays open
            QTest::mouseClick(sites->Control(ctl::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(m_form->Control(ctl::FavoriteWebSites), Qt::LeftButton);
        QCOMPARE(strHeading, QStringLiteral("My Favorite Web Sites"));
        QVERIFY(qAbs(nHeadingHeight - 30) <= 2);
        QVERIFY(bFrameless);
        QCOMPARE(m_launcher->urls,
                 std::vector<QUrl>({QUrl("http://www.velk.example.org"), QUrl("http://www.sorvan.example.org")}));
        // Escape closes the dialog; it opens no site.
        bool bClosed = false;
        WhenModalIs<WebSitesDialog>([&](WebSitesDialog* sites) {
            QTest::keyClick(sites, Qt::Key_Escape);
            bClosed = !sites->isVisible();
        });
        QTest::mouseClick(m_form->Control(ctl::FavoriteWebSites), Qt::LeftButton);
        QVERIFY(bClosed);
        QCOMPARE(m_launcher->urls.size(), size_t(2));
    }

    void picturesHaveTheirSizes() {
        QCOMPARE(DrawPicture(132).size(), QSize(150, 45));
        QCOMPARE(DrawPicture(141).size(), QSize(150, 65));
        QCOMPARE(DrawPicture(144).size(), QSize(230, 111));
        QCOMPARE(DrawPicture(147).size(), QSize(400, 185));
        QVERIFY(DrawPicture(999).isNull());
        QVERIFY(!ProgramIcon().isNull());
        WebSitesDialog sites;
        QCOMPARE(sites.size(), sites.Units().ToPixels(214, 212));
        QCOMPARE(sites.ControlAs<QPushButton>(ctl::GoToVelk)->iconSize(), QSize(150, 45));
        QCOMPARE(sites.ControlAs<QPushButton>(ctl::GoToSorvan)->iconSize(), QSize(150, 65));
        QVERIFY(sites.ControlAs<QPushButton>(ctl::GoToVelk)->text().isEmpty());
        AboutDialog about;
        QCOMPARE(about.size(), about.Units().ToPixels(282, 156));
        bool bCar = false;
        for (QWidget* widget : about.Widgets())
            if (auto* label = qobject_cast<QLabel*>(widget)) bCar |= label->pixmap().size() == QSize(230, 111);
        QVERIFY(bCar);
    }

    void theSampleTagPictureShowsTheStampedValues() {
        QStringList rows(6);
        for (const TagPictureLine& line : SampleTagPictureLines()) {
            QString& row = rows[line.nRow];
            row += (row.isEmpty() ? "" : " | ") + QString::fromLatin1(line.strText.data(), qsizetype(line.strText.size()));
        }
        QCOMPARE(rows, QStringList({"GENERAL MOTORS CORPORATION", "01A | D", "ST 67-12437 NOR 65727 BODY",
                                    "TR 741-Z R-R PAINT", "W 2E 3L", "BODY BY FISHER"}));
    }
};

QTEST_MAIN(InfoDialogsTest)
#include "test_info_dialogs.moc"
