#pragma once

class QSettings;
class TForm1;

// Where the choice of "整句打乱" is kept in the user's settings (organisation
// "Lumeno").
inline constexpr char kWholeSentencesSettingsKey[] = "shuffle/wholeSentences";

// Sets the window's "整句打乱" box as the settings remember it and writes every
// change of the box to them at once. The settings must outlive the window.
void KeepShuffleModeInSettings(TForm1& form, QSettings& settings);
