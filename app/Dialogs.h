#pragma once

class QWidget;

/// Gives the five dialogs their owner, the main window: each is made when first used and then kept
/// for every later opening.
void CreateDialogs(QWidget* owner);

/// Clears the dialog globals; the owner frees the dialogs themselves.
void ForgetDialogs();
