// SPDX-License-Identifier: GPL-3.0-or-later
// Marks texts for translation. A text stays as it is here (the data core and
// the command line use the English); lupdate collects it, and the program
// shows it translated: TR_NOOP's under the context of the enclosing scope
// (the tables': "res", shown with ResText), TRANSLATE_NOOP's under the one
// it names.
#pragma once

#define TR_NOOP(text) text
#define TRANSLATE_NOOP(context, text) text
