// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingspage.h"

#include "fixedplacement.h"
#include "layouthelpers.h"

#include "lang/fixedtexts.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kellvar {

TSettingsPage::TSettingsPage(QWidget* parent) : QWidget(parent)
{
    auto* pageLayout = new QVBoxLayout(this);
    auto* group = Named(new QGroupBox(UiText(SettingsGroupCaption)), "GroupBox1");
    pageLayout->addWidget(group);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    controls_ = Named(new TFixedPlacement, "GroupBox1Controls");
    groupLayout->addWidget(controls_);

    SavePosCheckBox = SettingsCheckBox(texts_, "SavePosCheckBox");
    SaveSettingsCheckBox = SettingsCheckBox(texts_, "SaveSettingsCheckBox");
    SaveDirCheckBox = SettingsCheckBox(texts_, "SaveDirCheckBox");
    StoreAllTimeLogCheckBox = SettingsCheckBox(texts_, "StoreAllTimeLogCheckBox");
    DefaultLoadLogFileCheckBox = SettingsCheckBox(texts_, "DefaultLoadLogFileCheckBox");
    DefaultLoadLogFileCheckBox->setChecked(true);
    tabLabel_ = CaptionLabel(texts_, "DefaultTabLabel");
    QLabel* tabLabel = tabLabel_;
    DefaultTabComboBox = Named(new QComboBox, "DefaultTabComboBox");
    DefaultTabComboBox->setEditable(false);
    // The label names the box for screen readers, and Alt+its letter focuses it.
    tabLabel->setBuddy(DefaultTabComboBox);
    texts_.Hint(DefaultTabComboBox, "DefaultTabComboBox");
    DefineDefaultBitBtn = GlyphButton(texts_, "DefineDefaultBitBtn", "emblem-default", "default");
    // Group boxes draw their caption inside; the layout's y values count from its top.
    controls_->Place(SavePosCheckBox, 16, 25 - 16, 465, 16);
    controls_->Place(SaveSettingsCheckBox, 16, 46 - 16, 465, 16);
    controls_->Place(SaveDirCheckBox, 32, 68 - 16, 465, 16);
    controls_->Place(StoreAllTimeLogCheckBox, 32, 92 - 16, 465, 18);
    controls_->Place(tabLabel, 16, 120 - 16);
    controls_->Place(DefaultTabComboBox, 32, 140 - 16, 256);
    controls_->Place(DefaultLoadLogFileCheckBox, 16, 176 - 16, 465, 18);
    controls_->Place(DefineDefaultBitBtn, 32, 201 - 16, 256, 29);
    pageLayout->addStretch(0);

    setTabOrder(SavePosCheckBox, SaveSettingsCheckBox);
    setTabOrder(SaveSettingsCheckBox, SaveDirCheckBox);
    setTabOrder(SaveDirCheckBox, StoreAllTimeLogCheckBox);
    // Top to bottom, as the controls stand.
    setTabOrder(StoreAllTimeLogCheckBox, DefaultTabComboBox);
    setTabOrder(DefaultTabComboBox, DefaultLoadLogFileCheckBox);
    setTabOrder(DefaultLoadLogFileCheckBox, DefineDefaultBitBtn);
    connect(DefineDefaultBitBtn, &QPushButton::clicked, this, &TSettingsPage::DefineDefaultClicked);
}

bool TSettingsPage::KeepsWindowPosition() const
{
    return SavePosCheckBox->isChecked();
}

bool TSettingsPage::KeepsAllTimeLog() const
{
    return StoreAllTimeLogCheckBox->isChecked();
}

bool TSettingsPage::LoadsDefaultLogFile() const
{
    return DefaultLoadLogFileCheckBox->isChecked();
}

void TSettingsPage::Load(const TWindowSettings& s)
{
    SavePosCheckBox->setChecked(s.UseLastWindowPosition);
    DefaultLoadLogFileCheckBox->setChecked(s.LoadDefaultLogFile);
    SaveSettingsCheckBox->setChecked(s.UseLastSettings);
    StoreAllTimeLogCheckBox->setChecked(s.StoreAllTimeLog);
    SaveDirCheckBox->setChecked(s.UseLastDirectory);
    DefaultTabComboBox->setCurrentIndex(s.DefaultTabPage < DefaultTabComboBox->count() ? s.DefaultTabPage : -1);
}

void TSettingsPage::Store(TWindowSettings& s) const
{
    s.UseLastWindowPosition = SavePosCheckBox->isChecked();
    s.LoadDefaultLogFile = DefaultLoadLogFileCheckBox->isChecked();
    s.UseLastSettings = SaveSettingsCheckBox->isChecked();
    s.StoreAllTimeLog = StoreAllTimeLogCheckBox->isChecked();
    s.UseLastDirectory = SaveDirCheckBox->isChecked();
    s.DefaultTabPage = DefaultTabComboBox->currentIndex();
}

void TSettingsPage::ApplyTexts(bool german)
{
    texts_.Apply(german);
    // The captions change, not the choice: no page is chosen before the settings are read.
    const int chosen = DefaultTabComboBox->currentIndex();
    DefaultTabComboBox->clear();
    const std::vector<std::string_view> pages = PageCaptions(german);
    for (size_t page = 0; page < DefaultTabPageChoices; ++page)
        DefaultTabComboBox->addItem(UiText(pages[page]));
    // The box's drop-down list is read by the label's name as the box is.
    DefaultTabComboBox->view()->setAccessibleName(tabLabel_->text().remove('&'));
    DefaultTabComboBox->setCurrentIndex(chosen);
}

void TSettingsPage::Relayout()
{
    controls_->Relayout();
}

}  // namespace kellvar
