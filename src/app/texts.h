// Every text the player reads, as the Windows-1251 bytes that the ANSI platform calls take.
#pragma once

extern const char RulesMenuLabel[];
extern const char NewGameMenuLabel[];
extern const char ExitMenuLabel[];
extern const char TitleText[];
extern const char TitleClockFormat[];
extern const char RulesText[];
extern const char WinMessageFormat[];
