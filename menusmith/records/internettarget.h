#pragma once

#include <QString>

// Values of EditorState::internetTarget: the record field that the internet
// shortcut dialog fills when the author confirms it.
namespace internettarget {

// The install command ([COMM]).
inline const QString installCommand = QStringLiteral("Text13");
// The extra button's command ([EXTR]).
inline const QString extraCommand = QStringLiteral("Text16");

} // namespace internettarget
