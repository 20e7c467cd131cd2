#pragma once
// The campaign's confirmation panel as the question needs it: with `note`, a line under the
// question, the panel grown upwards to hold it; without, the panel of the window's design.
class QString;
struct ControlesEnvois;

void DisposerQuestion(ControlesEnvois& f, const QString& note);
