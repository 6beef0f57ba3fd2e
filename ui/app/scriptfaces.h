#pragma once

class QLocale;

// The forms ask for Verdana and MS Sans Serif, whose stand-ins draw Latin
// letters only; another script is drawn in whichever face the system falls
// back to, which may have no bold (Lohit Devanagari has none), so that
// text meant to be bold is not. For a language written in such a script
// this names faces of the script that have a bold, for the families the
// forms and the application draw in, tried after each family's own face
// for the characters it lacks; an application font of Qt's generic family
// is resolved to its face first. Call with the language chosen, after
// InstallFontSubstitutes.
void InstallScriptFaces(const QLocale &language);
