// The copy progress window and the windowed copier: the window shows after
// its delay with the copy's figures, "Annulla" stops the copier, a request
// that hides the window shows none, and a real copy goes through the worker.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QProgressBar>
#include <QTimer>
#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "copy/qt/CopyProgressDialog.h"
#include "copy/qt/QtCopyJobView.h"
#include "copy/qt/QtFileCopier.h"

namespace {

// A mover that reports one file and then advances until it is cancelled
// (or 10 s pass), so the window is certainly up while it runs.
vt::CopyResult SlowMover(const std::vector<std::string>&, const std::string&, vt::SharedProgress& p)
{
    p.Started(10 << 20, 1);
    p.FileStarted("/origine/film.avi", "/destinazione/film.avi");
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!p.CancelRequested() && std::chrono::steady_clock::now() < until) {
        if (p.Snapshot().doneBytes < (5 << 20))
            p.Advanced(1 << 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    vt::CopyResult r;
    r.aborted = p.CancelRequested();
    return r;
}

TEST(CopyProgressWindow, ShowsTheCopyAndCancels)
{
    QWidget owner;
    vt::QtFileCopier copier(&owner, {}, 50, SlowMover);
    QString file, bytes;
    bool modal = false;
    copier.onDialogShown = [&](vt::CopyProgressDialog& box) {
        // Let the figures arrive, then press "Annulla".
        QTimer::singleShot(100, &box, [&] {
            box.Refresh();
            file = box.fileLabel()->text();
            bytes = box.bytesLabel()->text();
            modal = box.isModal() && box.isVisible();
            box.cancelButton()->click();
        });
    };
    const auto start = std::chrono::steady_clock::now();
    vt::CopyOutcome o = copier.Copy({"/origine/film.avi"}, "/destinazione", true);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(o.aborted);
    EXPECT_FALSE(o.failed);
    EXPECT_TRUE(modal);
    EXPECT_EQ(file, QStringLiteral("film.avi"));
    EXPECT_EQ(bytes, QStringLiteral("5,0 MB di 10,0 MB"));
}

TEST(CopyProgressWindow, HiddenRequestShowsNoWindow)
{
    QWidget owner;
    bool shown = false;
    auto quick = [](const std::vector<std::string>&, const std::string&, vt::SharedProgress&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        return vt::CopyResult{};
    };
    vt::QtFileCopier copier(&owner, {}, 10, quick);
    copier.onDialogShown = [&](vt::CopyProgressDialog& box) {
        shown = true;
        box.cancelButton()->click();
    };
    vt::CopyOutcome o = copier.Copy({"/a"}, "/b", false);
    EXPECT_FALSE(shown);
    EXPECT_FALSE(o.aborted);
}

TEST(CopyProgressWindow, RealCopyThroughTheWorker)
{
    const auto dir = std::filesystem::temp_directory_path() / ("vt-qtcopy-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "d");
    std::ofstream(dir / "f.avi") << "contenuto";
    QWidget owner;
    vt::QtFileCopier copier(&owner);
    vt::CopyOutcome o = copier.Copy({(dir / "f.avi").string()}, (dir / "d").string(), true);
    EXPECT_FALSE(o.failed) << o.error;
    std::ifstream in(dir / "d/f.avi");
    std::string s;
    in >> s;
    EXPECT_EQ(s, "contenuto");
    o = copier.Copy({(dir / "manca").string()}, (dir / "d").string(), true);
    EXPECT_TRUE(o.failed);
    std::filesystem::remove_all(dir);
}

TEST(CopyProgressWindow, JobViewWritesTheControls)
{
    QTreeWidget listaSorg, ldest;
    ldest.setColumnCount(4);
    listaSorg.addTopLevelItem(new QTreeWidgetItem(QStringList{"film.avi"}));
    ldest.addTopLevelItem(new QTreeWidgetItem(QStringList{"VOL", "/d", "???", "???"}));
    QProgressBar bar;
    QLabel total;
    QPushButton start;
    vt::QtCopyJobView view({&listaSorg, &ldest, &bar, &total, &start});
    view.SetDestTexts(0, "00:01:02", "12,50");
    EXPECT_EQ(ldest.topLevelItem(0)->text(2), QStringLiteral("00:01:02"));
    EXPECT_EQ(ldest.topLevelItem(0)->text(3), QStringLiteral("12,50"));
    view.SetProgressMax(std::int64_t{6} << 31); // more than a bar's int holds
    view.SetProgressPosition(std::int64_t{3} << 31);
    EXPECT_NEAR(double(bar.value()) / bar.maximum(), 0.5, 0.01);
    view.SetTotalTime("00:00:05");
    EXPECT_EQ(total.text(), QStringLiteral("00:00:05"));
    view.SetStartEnabled(false);
    EXPECT_FALSE(start.isEnabled());
    view.SetEntryState(0, vt::kEntryCopied);
    EXPECT_FALSE(listaSorg.topLevelItem(0)->icon(0).isNull());
}

} // namespace
