#pragma once
// The Settings menu's language items: each stores its language for the next start and checks the
// item of the stored language.

#include "app/CommandHandlers.h"

void AddLanguageCommands(CommandHandlers& commands);
