// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kellvar {

class TUserDialogs;

// "Write HTML report to:" a folder, typed or chosen, that the daily timer
// writes the HTML report into after archiving; empty for none.
class TReportFolderRow : public QWidget {
    Q_OBJECT

public:
    explicit TReportFolderRow(TUserDialogs& dialogs, QWidget* parent = nullptr);

    void ApplyTexts(bool german);
    void SetFolder(const std::string& folder);
    std::string Folder() const;

private:
    void Choose();

    TUserDialogs& dialogs_;
    QLabel* label_;
    QLineEdit* folder_;
    QPushButton* choose_;
    QLabel* hint_;
};

}  // namespace kellvar
