#pragma once

class QWidget;

/// Creates the five dialogs once, owned by the main window, in the order of the start-up:
/// satellite settings, favourite group move, transponder, print, provider choice.
void CreateDialogs(QWidget* owner);

/// Clears the dialog globals; the owner frees the dialogs themselves.
void ForgetDialogs();
