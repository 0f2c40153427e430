// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textbindings.h"

#include "ui/rules/windowsettings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;

class QLabel;

namespace kellvar {

class TFixedPlacement;

// The settings page: what the program keeps between runs and how it starts.
// Its controls load from and store to the window's settings, whose key
// table alone decides which stored values count.
class TSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit TSettingsPage(QWidget* parent = nullptr);

    void Load(const TWindowSettings& settings);
    void Store(TWindowSettings& settings) const;

    // The choices a run and the window's start read as they stand now.
    bool KeepsWindowPosition() const;
    bool KeepsAllTimeLog() const;
    bool LoadsDefaultLogFile() const;

    // The texts, the start pages offered among them.
    void ApplyTexts(bool german);
    void Relayout();

signals:
    // The user asks to take the log shown now as the one opened at start.
    void DefineDefaultClicked();

private:
    QCheckBox* SavePosCheckBox;
    QCheckBox* SaveSettingsCheckBox;
    QCheckBox* SaveDirCheckBox;
    QCheckBox* StoreAllTimeLogCheckBox;
    QCheckBox* DefaultLoadLogFileCheckBox;
    QComboBox* DefaultTabComboBox;
    QPushButton* DefineDefaultBitBtn;
    TTextBindings texts_;
    TFixedPlacement* controls_;
    QLabel* tabLabel_;
};

}  // namespace kellvar
