// SPDX-License-Identifier: GPL-3.0-or-later
#include "modemlogdialog.h"

#include "chartpage.h"
#include "costspage.h"
#include "desktopnotification.h"
#include "filenames.h"
#include "layouthelpers.h"
#include "limitspanel.h"
#include "numberspage.h"
#include "overviewpage.h"
#include "reportfolderrow.h"
#include "settingspage.h"
#include "tablepage.h"
#include "windowplacement.h"

#include "lang/costtexts.h"
#include "lang/fixedtexts.h"
#include "lang/language.h"
#include "lang/messages.h"
#include "lang/numbertexts.h"
#include "lang/texttable.h"
#include "lang/wordings.h"
#include "platform/decimalseparator.h"
#include "platform/filehandle.h"
#include "platform/programfiles.h"
#include "platform/programpath.h"
#include "ui/rules/commandline.h"
#include "ui/rules/settingsfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <chrono>

void InitKellvarResources();

namespace kellvar {

namespace {

// The version the title shows: the build's file version cut before its last part.
QString TitleVersion()
{
    const QString version = KELLVAR_VERSION;
    return version.left(version.lastIndexOf('.'));
}

}  // namespace

TModemLogDialog::TModemLogDialog(TUserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), programPath_(FileNameText(platform::ProgramFilePath())),
      decimalSeparator_(platform::LocaleDecimalSeparator())
{
    InitKellvarResources();
    BuildLayout();
    FormCreate();
    connect(PageControl1, &QTabWidget::currentChanged, this, &TModemLogDialog::PageControl1Change);
    connect(ListView1->header(), &QHeaderView::sectionClicked, this, &TModemLogDialog::ListView1ColumnClick);
    // The second click of a quick pair is a click of its own.
    connect(ListView1->header(), &QHeaderView::sectionDoubleClicked, this, &TModemLogDialog::ListView1ColumnClick);
    setAcceptDrops(true);
}

TModemLogDialog::~TModemLogDialog() = default;

const TConnectionTable& TModemLogDialog::Table() const
{
    return tablePage_->Table();
}

void TModemLogDialog::FormCreate()
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
}

void TModemLogDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
    QTimer::singleShot(0, this, &TModemLogDialog::FormActivate);
}

void TModemLogDialog::FormShow()
{
    costsPage_->HoldErrors();
    ApplyLanguageTexts();
    FCurrentLogFile.clear();
    FDefaultLogFile.clear();
    ReadSettings();
    CorrectBounds();
    QLabel* title = overview_->Title();
    title->setText(title->text() + " v" + TitleVersion());
}

void TModemLogDialog::ApplyLanguageTexts()
{
    const bool german = IsGerman;
    helpFile_ = UiText(HelpFileName(german));
    texts_.Apply(german);
    overview_->ApplyTexts(german);
    tablePage_->ApplyTexts(german);
    for (const TChartPage* page : chartPages_)
        page->ApplyTexts(german);
    settingsPage_->ApplyTexts(german);
    costsPage_->ApplyTexts(german);
    PageControl1->setTabText(PageControl1->indexOf(costsPage_), UiText(CostWording(TCostWording::Costs, german)));
    numbersPage_->ApplyTexts(german);
    PageControl1->setTabText(PageControl1->indexOf(numbersPage_), UiText(NumberText(TNumberText::PageCaption, german)));
    Memo1->setPlainText(UiText(AboutText(german)).replace("\r\n", "\n"));
    NamePageControl();
    RelayoutFixedParts();
}

void TModemLogDialog::ReadSettings()
{
    FIniFileName = FileNameText(SettingsFileName(FileNameBytes(programPath_)));
    const TSettingsFile file(FileNameBytes(FIniFileName));
    // Settings that could not be read are not known well enough to be
    // written back: the file stays as it is.
    settingsUnreadable_ = file.Unreadable();
    // A quiet run cannot know whether the history was to be kept.
    quietRunFailed_ = settingsUnreadable_ && (FQuiet || FQuietTotal);
    if (settingsUnreadable_ && !FQuietTotal) {
        const std::string reason =
            file.TooLarge() ? SettingsTooLargeReason(IsGerman) : platform::ErrorText(file.ReadError());
        dialogs_.ShowNote(this, QString::fromStdString(SettingsNotReadMessage(file.FileName(), reason, IsGerman)));
    }
    // A key the settings do not read keeps what the window shows.
    TWindowSettings s = CurrentSettings();
    ReadWindowSettings(file, s);

    settingsPage_->Load(s);
    costsPage_->SetFiles(s.TariffFiles);
    costsPage_->Limits()->SetLimits(s.Limits, s.AlertedPeriods, s.Periods);
    costsPage_->ReportFolder()->SetFolder(s.HtmlReportFolder);
    if (s.UseLastWindowPosition)
        Placement().Apply(s.Bounds);
    FDefaultLogFile = FileNameText(s.DefaultLogFile);
    ShowLabelsCheckBox->setChecked(s.ShowValueLabels);
    OpenDialog1.InitialDirectory = FileNameText(s.InitialDirectory);
    OpenDialog1.FilterIndex = s.FilterIndex;
    // Choosing the start page is no page change of the user's.
    const QSignalBlocker quiet(PageControl1);
    PageControl1->setCurrentIndex(std::max(0, s.DefaultTabPage));
}

TWindowSettings TModemLogDialog::CurrentSettings() const
{
    TWindowSettings s;
    const QRect frame = frameGeometry();
    s.Bounds = {frame.x(), frame.y(), frame.width(), frame.height()};
    settingsPage_->Store(s);
    s.TariffFiles = costsPage_->Files();
    s.Limits = costsPage_->Limits()->Limits();
    s.AlertedPeriods = costsPage_->Limits()->AlertedPeriods();
    s.Periods = costsPage_->Limits()->Rules();
    s.HtmlReportFolder = costsPage_->ReportFolder()->Folder();
    s.DefaultLogFile = FileNameBytes(FDefaultLogFile);
    s.ShowValueLabels = ShowLabelsCheckBox->isChecked();
    s.InitialDirectory = FileNameBytes(OpenDialog1.InitialDirectory);
    s.FilterIndex = OpenDialog1.FilterIndex;
    return s;
}

void TModemLogDialog::CorrectBounds()
{
    if (FQuiet)
        Placement().Apply({});
    else
        Placement().Correct(settingsPage_->KeepsWindowPosition());
}

void TModemLogDialog::setVisible(bool visible)
{
    if (visible && !testAttribute(Qt::WA_WState_Created))
        PlaceBeforeMapping();
    QDialog::setVisible(visible);
}

void TModemLogDialog::PlaceBeforeMapping()
{
    // The stored place is given before the window is made, so that it is
    // mapped where it stays; FormShow applies the bounds in full once the
    // settings are read.
    TWindowSettings s;
    ReadWindowSettings(TSettingsFile(SettingsFileName(FileNameBytes(programPath_))), s);
    if (!FQuiet && !s.UseLastWindowPosition)
        return;
    Placement().PlaceBeforeMapping(FQuiet ? TWindowBounds{} : Placement().OnScreen(s.Bounds));
}

TWindowPlacement& TModemLogDialog::Placement()
{
    if (placement_ == nullptr)
        placement_ = new TWindowPlacement(*this, FQuiet || FQuietTotal ? std::string()
                                                                       : FrameFileName(FileNameBytes(programPath_)));
    return *placement_;
}

void TModemLogDialog::FormActivate()
{
    if (startUpDone_)
        return;
    startUpDone_ = true;
    // The window stands painted before a box about a tariff file covers it.
    QApplication::processEvents();
    repaint();
    costsPage_->TellHeldErrors();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();

    FFileFromCommandLine = false;
    QString startUpFile;
    QLabel* maxSizeNote = overview_->LogFileMaxSizeNote();
    const TStartUpArgument argument = StartUpArgument(arguments_);
    if (argument.FromCommandLine) {
        startUpFile = FileNameText(argument.File);
        FFileFromCommandLine = true;
        maxSizeNote->clear();
    }
    if (arguments_.empty() || startUpFile.isEmpty()) {
        startUpFile = DefaultLogPath();
        maxSizeNote->setText(UiText(LogFileMaxSizeNote));
    }
    const bool noSizeWarning = IsAllTimeLogFile(FileNameBytes(startUpFile));
    if (noSizeWarning)
        maxSizeNote->clear();
    if (settingsPage_->LoadsDefaultLogFile()) {
        const bool analysed = AnalyseLogFile(startUpFile, noSizeWarning);
        if (FQuiet || FQuietTotal) {
            quietRunFailed_ = quietRunFailed_ || !analysed;
            if (analysed && !costsPage_->ReportFolder()->Folder().empty())
                quietRunFailed_ = !RefreshHtmlReport(startUpFile) || quietRunFailed_;
            // The daily timer's run tells a limit exceeded once in its period:
            // on the desktop, or where there is none (a timer of the system's
            // own) on standard error, which its log keeps.
            // Of runs at the same time, the one that records a period as told
            // tells it.
            LockSettings();
            TWindowSettings told = CurrentSettings();
            KeepLaterAlerts(TSettingsFile(FileNameBytes(SettingsFilePath())), told);
            costsPage_->Limits()->SetAlertedPeriods(told.AlertedPeriods);
            const std::vector<std::string> exceeded = costsPage_->Limits()->NewlyExceeded();
            close();
            settingsLock_.Close();
            for (const std::string& limit : exceeded) {
                const QString what = UiText(Wording(TWording::LimitExceeded, IsGerman));
                if (!NotifyDesktop("Kellvar: " + what, QString::fromStdString(limit)) && !FQuietTotal)
                    dialogs_.ShowNote(this, what + ": " + QString::fromStdString(limit));
            }
        }
    } else if (FQuiet || FQuietTotal) {
        // An unattended run never waits: with nothing to analyse it has failed.
        if (!FQuietTotal)
            dialogs_.ShowNote(this, UiText(AutomaticLoadingOffMessage(IsGerman)));
        quietRunFailed_ = true;
        close();
    }
    QApplication::restoreOverrideCursor();
    if (FQuietTotal)
        close();
}

QString TModemLogDialog::DefaultLogPath()
{
    const std::string stored = platform::ExpandFullPath(FileNameBytes(FDefaultLogFile));
    std::string path;
    if (!FDefaultLogFile.isEmpty() && platform::FileExists(stored)) {
        path = stored;
    } else {
        path = platform::WindowsDirectory();
        if (path.empty() || path.back() != '/')
            path += '/';
        path += "ModemLog.txt";
    }
    FCurrentLogFile = FileNameText(path);
    return FCurrentLogFile;
}

void TModemLogDialog::PageControl1Change(int index)
{
    if (PageControl1->widget(index) == tablePage_)
        ListView1->setFocus();
    NamePageControl();
}

void TModemLogDialog::NamePageControl()
{
    // A screen reader names the pages after the one that is shown.
    PageControl1->setAccessibleName(PageControl1->tabText(PageControl1->currentIndex()).remove('&'));
}

void TModemLogDialog::OpenButtonClick()
{
    if (analysing_)
        return;
    OpenButton->setEnabled(false);
    if (const auto answer = dialogs_.OpenLogFile(this, OpenDialog1)) {
        OpenDialog1.FilterIndex = answer->FilterIndex;
        OpenLogFile(answer->File);
    }
    OpenButton->setEnabled(true);
}

void TModemLogDialog::OpenLogFile(const QString& path)
{
    FCurrentLogFile = path;
    AnalyseLogFile(path, true);
    OpenDialog1.InitialDirectory = FileNameText(platform::DirectoryOf(platform::ExpandFullPath(FileNameBytes(path))));
}

void TModemLogDialog::DefineDefaultBitBtnClick()
{
    FDefaultLogFile = FCurrentLogFile;
}

void TModemLogDialog::HelpButtonClick()
{
    dialogs_.ShowHelp(this, helpFile_, 0);
}

void TModemLogDialog::CloseButtonClick()
{
    close();
}

void TModemLogDialog::closeEvent(QCloseEvent* event)
{
    // Quiet runs may ask twice (after the analysis and at the end of the start-up); the settings are written once.
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    event->accept();
}

void TModemLogDialog::FormClose()
{
    WriteSettings();
}

void TModemLogDialog::WriteSettings()
{
    if (settingsUnreadable_)
        return;
    const bool locked = settingsLock_.IsOpen();
    LockSettings();
    FIniFileName = SettingsFilePath();
    const TSettingsFile file(FileNameBytes(FIniFileName));
    TWindowSettings settings = CurrentSettings();
    KeepLaterAlerts(file, settings);
    if (QGuiApplication::platformName().startsWith("wayland"))
        KeepStoredPlace(file, settings);
    const bool written = WriteWindowSettings(file, settings, FQuiet);
    if (!locked)
        settingsLock_.Close();
    if (written || !(FQuiet || FQuietTotal))
        return;
    // The window closes quietly as it always has; an unattended run says so
    // and fails, since its next run would read what this one did not write.
    quietRunFailed_ = true;
    if (!FQuietTotal)
        dialogs_.ShowNote(this, QString::fromStdString(
                                    SettingsNotWrittenMessage(file.FileName(), platform::ErrorText(errno), IsGerman)));
}

QString TModemLogDialog::SettingsFilePath() const
{
    return FileNameText(SettingsFileName(FileNameBytes(programPath_)));
}

void TModemLogDialog::LockSettings()
{
    // Without the lock (a folder that cannot be made) the settings are
    // written all the same: losing them would be worse.
    constexpr std::chrono::seconds Wait{30};
    const std::string settings = FileNameBytes(SettingsFilePath());
    if (!settingsLock_.IsOpen() && platform::CreateParentDirectories(settings))
        settingsLock_ = platform::LockFolder(platform::DirectoryOf(settings), Wait);
}

void TModemLogDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        return;  // the window closes only by its Close button or close box
    if (event->key() == Qt::Key_F1) {
        ShowHelpFor(focusWidget());
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused button is pressed; anywhere else Enter presses the default
        // button, Close, but on the Costs and Numbers pages: there its fields
        // and lists take Enter for their values, and typing a day and Enter
        // closes nothing.
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button != nullptr && button->isEnabled())
            button->click();
        else if (!costsPage_->isAncestorOf(focusWidget()) && !numbersPage_->isAncestorOf(focusWidget()))
            CloseButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TModemLogDialog::ShowHelpFor(QWidget* focus)
{
    for (QWidget* widget = focus ? focus : this; widget != nullptr; widget = widget->parentWidget())
        if (const QVariant context = widget->property("helpContext"); context.isValid()) {
            dialogs_.ShowHelp(this, helpFile_, context.toInt());
            return;
        }
}

void TModemLogDialog::dragEnterEvent(QDragEnterEvent* event)
{
    // Always a copy: a file manager deletes the source of a finished move.
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().constFirst().isLocalFile() && !analysing_
        && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void TModemLogDialog::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.constFirst().isLocalFile() || analysing_)
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The URL's own bytes, not its text: a file name need not be UTF-8.
    const QByteArray encoded = urls.constFirst().path(QUrl::FullyEncoded).toLatin1();
    OpenLogFile(FileNameText(QByteArray::fromPercentEncoding(encoded).toStdString()));
}

}  // namespace kellvar
