// The player's texts: each byte string is the Windows-1251 form of the Russian it stands for.
#include "app/texts.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    const char* name;
    const char* bytes;
    const char* utf8;
};

std::string ToWindows1251(const char* utf8) {
    gsize written = 0;
    GError* error = nullptr;
    gchar* converted = g_convert(utf8, -1, "WINDOWS-1251", "UTF-8", nullptr, &written, &error);
    EXPECT_NE(converted, nullptr) << (error ? error->message : "");
    if (error) g_error_free(error);
    std::string result = converted ? std::string(converted, written) : std::string();
    g_free(converted);
    return result;
}

const TextCase texts[] = {
    {"RulesMenuLabel", RulesMenuLabel, "&Правила игры"},
    {"NewGameMenuLabel", NewGameMenuLabel, "&Начать новую игру"},
    {"ExitMenuLabel", ExitMenuLabel, "&Выйти из игры"},
    {"TitleText", TitleText, "Игра \"Кворинка\""},
    {"TitleClockFormat", TitleClockFormat, "%s - %02d:%02d"},
    {"RulesText", RulesText,
     "Правила игры:\n"
     "Нужно закрывать цифры на поле попарно, пока не будут закрыты все.\n"
     "Закрывать можно только соседние вертикальные или горизонтальные, которые при сумме равны 10.\n"
     "Удачи! Не все так просто, как кажется с первого взгляда. :-)\n"
     "Вот вы читаете эти правила, а время игры уже бежит..."},
    {"WinMessageFormat", WinMessageFormat,
     "Победа! Ваше время %02d:%02d. Это рекорд! :-) ... или нет.\n"
     "Если б еще я вела таблицу рекордов..."},
};

TEST(Texts, AreTheWindows1251BytesOfTheRussian) {
    for (const TextCase& t : texts) {
        EXPECT_EQ(std::string(t.bytes), ToWindows1251(t.utf8)) << t.name;
    }
}

TEST(Texts, UseLineFeedsAloneBetweenLines) {
    for (const TextCase& t : texts) {
        EXPECT_EQ(std::string(t.bytes).find('\r'), std::string::npos) << t.name;
    }
    EXPECT_EQ(std::string(RulesText).find("\n\n"), std::string::npos);
}

}  // namespace
