#pragma once

#include "emblems.h"

#include <QImage>
#include <QString>
#include <QSize>

#include <array>

namespace artwork {

struct DaySign {
    const char *file;  // the name the program loads, kept letter for letter
    const char *name;  // what follows the colour word: "Red Dragon", "White Wind"...
};

// In the order of the twenty day signs, Imix first. "1OOc.jpg" is spelled
// with two capital O's because that is the name the program asks for.
inline constexpr std::array<DaySign, 20> kDaySigns = {{
    {"01Imix.jpg", "Dragon"},     {"02Ik.jpg", "Wind"},           {"03Akbal.jpg", "Night"},
    {"04Kan.jpg", "Seed"},        {"05Chiccan.jpg", "Serpent"},   {"06Cimi.jpg", "World Bridger"},
    {"07Manik.jpg", "Hand"},      {"08Lamat.jpg", "Star"},        {"09Muluc.jpg", "Moon"},
    {"1OOc.jpg", "Dog"},          {"11Chuen.jpg", "Monkey"},      {"12Eb.jpg", "Human"},
    {"13Ben.jpg", "Skywalker"},   {"14Ix.jpg", "Wizard"},         {"15Men.jpg", "Eagle"},
    {"16Cib.jpg", "Warrior"},     {"17Caban.jpg", "Earth"},       {"18Etznab.jpg", "Mirror"},
    {"19Cauac.jpg", "Storm"},     {"20Ahau.jpg", "Sun"},
}};

// The colours run Red, White, Blue, Yellow round the twenty signs.
inline constexpr std::array<const char *, 4> kColourWords = {"RED", "WHITE", "BLUE", "YELLOW"};

// The cards lettered in Spanish, in the same order. The colour word agrees
// with the noun's gender, so each sign carries its own (UTF-8).
struct SpanishLettering {
    const char *colour;
    const char *noun;
};
inline constexpr std::array<SpanishLettering, 20> kSpanishLettering = {{
    {"ROJO", "Dragón"},       {"BLANCO", "Viento"},           {"AZUL", "Noche"},
    {"AMARILLA", "Semilla"},  {"ROJA", "Serpiente"},          {"BLANCO", "Enlazador de Mundos"},
    {"AZUL", "Mano"},         {"AMARILLA", "Estrella"},       {"ROJA", "Luna"},
    {"BLANCO", "Perro"},      {"AZUL", "Mono"},               {"AMARILLO", "Humano"},
    {"ROJO", "Caminante del Cielo"}, {"BLANCO", "Mago"},      {"AZUL", "Águila"},
    {"AMARILLO", "Guerrero"}, {"ROJA", "Tierra"},             {"BLANCO", "Espejo"},
    {"AZUL", "Tormenta"},     {"AMARILLO", "Sol"},
}};

enum class Language { English, Spanish };

// Where a language's cards go, relative to the assets folder; every
// language keeps the English file names.
QString glyphFolder(Language language);

// The words lettered on a card: the colour word above the picture and the
// rest of the name below it.
struct CardWords {
    QString colour;
    QString noun;
};
CardWords cardWords(int index, Language language);

// The program stretches every card into a 93 x 120 box (186 x 240 on a
// high-DPI screen) whatever the file's own size, so cards are composed in
// that proportion, at four times the size, and only squeezed into the
// file's 120 x 184 at the very end.
inline constexpr QSize kShownSize(93, 120);
inline constexpr QSize kCanvasSize(372, 480);
inline constexpr QSize kFileSize(120, 184);

Tones tonesForColour(int colour);

// Checks that the lettering font is the one the cards were designed with;
// another font would change every picture. Returns the family found.
QString letteringFamily();

// The card for day sign `index` on the canvas, in its true proportions.
QImage paintCard(int index, Language language );

// The same card squeezed to the file's size, ready to be written.
QImage cardForFile(int index, Language language );

} // namespace artwork
