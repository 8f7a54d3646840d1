#pragma once
// The settings of Tivra.ini, with their built-in defaults.
#include <string>
#include <vector>

namespace tivra {

inline constexpr int kMaxBokaobjekt = 200;
inline constexpr int kMaxPerioder = 100;

struct Settings {
    std::string schemafil;   // SCHEMA:  (without extension after start-up)
    std::string objektfil;   // BOKNINGSOBJEKT:
    std::string bokningsfil; // BOKNINGSFIL:
    std::string backupmapp;  // BACKUP:  (with its trailing separator after start-up)
    std::vector<std::string> bokaobjekt; // BOKA:, normalised, at most 200
    int starttimme = 8;
    int sluttimme = 16;
    int startvecka = 1;
    int slutvecka = 52;
    int helg = 0;
    std::vector<std::string> perioder; // PERIOD:, normalised, at most 100
    std::string skola;
    std::string font1 = "Arial";
    std::string font2 = "Times New Roman";
    int linjebredd = 4;
    int toning = 230;
    int toninglektion = 245;
};

} // namespace tivra
