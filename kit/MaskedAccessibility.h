// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the accessibility bus learns of a password field: one mask character for each character
// typed, and never the characters. Qt's own line edit sends each typed character, and the whole
// text when the field is emptied, in its text events, where any program on the bus can record them.
namespace MaskedAccessibility {

// Once the QApplication is there; later calls do nothing. From then on every line edit whose echo
// mode is not Normal reports its changes in mask characters, and answers queries of its text in
// them; a PasswordField answers with its text only while the text is on show. Every line edit answers
// through our interface, which also steps through words without Qt 6.4's endless loop at the end.
void install();

} // namespace MaskedAccessibility
