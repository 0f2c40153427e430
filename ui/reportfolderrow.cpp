// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportfolderrow.h"

#include "filenames.h"
#include "layouthelpers.h"
#include "userdialogs.h"

#include "lang/htmltexts.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kellvar {

TReportFolderRow::TReportFolderRow(TUserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), label_(new QLabel), folder_(Named(new QLineEdit, "HtmlReportFolderEdit")),
      choose_(Named(new QPushButton, "HtmlReportFolderButton")), hint_(Named(new QLabel, "HtmlReportFolderHint"))
{
    auto* row = new QGridLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    label_->setBuddy(folder_);
    hint_->setWordWrap(true);
    row->addWidget(label_, 0, 0);
    row->addWidget(folder_, 0, 1);
    row->addWidget(choose_, 0, 2);
    row->addWidget(hint_, 1, 1, 1, 2);
    row->setColumnStretch(1, 1);
    connect(choose_, &QPushButton::clicked, this, &TReportFolderRow::Choose);
}

void TReportFolderRow::ApplyTexts(bool german)
{
    label_->setText(UiText(HtmlText(THtmlText::WriteReportTo, german)));
    folder_->setAccessibleName(QString(label_->text()).remove(':'));
    choose_->setText(UiText(HtmlText(THtmlText::ChooseFolder, german)));
    hint_->setText(UiText(HtmlText(THtmlText::ReportFolderHint, german)));
}

void TReportFolderRow::SetFolder(const std::string& folder)
{
    folder_->setText(FileNameText(folder));
}

std::string TReportFolderRow::Folder() const
{
    return FileNameBytes(folder_->text().trimmed());
}

void TReportFolderRow::Choose()
{
    const QString start = folder_->text().trimmed().isEmpty() ? QDir::homePath() : folder_->text().trimmed();
    if (const auto folder = dialogs_.ChooseFolder(this, QString(label_->text()).remove(':'), start))
        folder_->setText(*folder);
}

}  // namespace kellvar
