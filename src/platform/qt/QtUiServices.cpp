#include "platform/qt/QtUiServices.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

#include "platform/Files.h"

namespace vt {

QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string FromQ(const QString& s)
{
    QByteArray b = s.toUtf8();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}
QString PathToQ(const std::string& path) { return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size()))); }
std::string PathFromQ(const QString& path)
{
    QByteArray b = QFile::encodeName(path);
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

QtUiServices::QtUiServices() = default;
QtUiServices::~QtUiServices() = default;

void QtUiServices::Beep() { QApplication::beep(); }

namespace {
// Titles of the message boxes, as the Italian desktop words them.
QString TitleFor(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Error: return QStringLiteral("Errore");
    case MsgIcon::Warning: return QStringLiteral("Avviso");
    case MsgIcon::Information: return QStringLiteral("Informazioni");
    default: return QApplication::applicationName();
    }
}
QMessageBox::Icon BoxIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}
// Texts written for the Windows message box break lines with a lone CR,
// which a Qt label shows as a blank.
QString BoxText(const std::string& text)
{
    QString t = ToQ(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
} // namespace

void QtUiServices::Message(MsgIcon icon, const std::string& text)
{
    // A message box must be seen: lift the busy cursor while it is up.
    bool busy = busyDepth_ > 0;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(BoxIcon(icon), TitleFor(icon), BoxText(text), QMessageBox::Ok, parent_.data());
    box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
}

bool QtUiServices::Confirm(MsgIcon icon, const std::string& text)
{
    bool busy = busyDepth_ > 0;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(icon == MsgIcon::None ? QMessageBox::Question : BoxIcon(icon), QStringLiteral("Conferma"), BoxText(text),
                    QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setDefaultButton(QMessageBox::No);
    bool yes = box.exec() == QMessageBox::Yes;
    if (busy)
        QApplication::restoreOverrideCursor();
    return yes;
}

void QtUiServices::SetBusy(bool busy)
{
    if (busy) {
        if (busyDepth_++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        if (--busyDepth_ == 0)
            QApplication::restoreOverrideCursor();
    }
}

void QtUiServices::ProcessEvents() { QApplication::processEvents(); }

void QtUiServices::PlaySound(const std::string& path)
{
    if (!FileExists(path))
        return;
    // A new sound replaces the one playing.
    sound_ = std::make_unique<QSoundEffect>();
    sound_->setSource(QUrl::fromLocalFile(PathToQ(path)));
    sound_->play();
}

} // namespace vt
