// The VT catalogue: selector name, report name, faction, generation,
// availability, standard and maximum load, fuel tanks, supply and sortie cost,
// speed, durability, balancer, turn, veering, torque, fuel efficiency, the
// eleven rank texts, and the main- and sub-weapon lists after "Unarmed".

#include "model/VtCatalogue.h"

#include <stdexcept>

namespace vantor {

// clang-format off
const std::array<VtEntry, VtCount> VtCatalogue = {{
    {"Colt", "Colt", Faction::RightBrothers, "1st Gen", "Turn 3", 12, 15, 2, 1500, 14, 128.0f, 1900.0f, 16.0f, 37.4f, 7.0f, 10.0f, 7.0f, {"22nd", "23rd", "27th", "24th", " 7th", "28th", "29th*", "15th*", "22nd*", " 4th", " 4th"}, {"270-RI", "4A-REC", "77-REC", "120-MG", "140-MG", "MKR-LA"}, {"67-CG", "DP-MIS", "GND"}},
    {"Colt Executive", "Colt Exective", Faction::RightBrothers, "1st Gen", "Turn 3", 13, 16, 2, 1800, 16, 134.0f, 2100.0f, 12.5f, 33.0f, 9.0f, 10.0f, 8.0f, {"21st", "19th*", "25th", "21st", "11th*", "23rd*", "23rd*", "15th*", "17th*", " 5th", " 6th"}, {"315-SB", "4A-REC", "77-REC", "270-RI", "120-MG", "140-MG", "MKR-LA"}, {"DP-MIS", "67-CG", "80-CG", "GND", "T-GND"}},
    {"Decider", "Decider", Faction::PacificRimForces, "1st Gen", "Turn 1", 14, 16, 2, 2500, 20, 140.0f, 2200.0f, 12.5f, 30.2f, 12.5f, 4.0f, 7.5f, {"19th*", "19th*", "20th", "20th", "11th*", "21st", "13th*", "25th", "21st", " 8th*", " 7th*"}, {"315-SB", "315-TR", "120-MG", "140-MG"}, {"67-CG", "205-PT"}},
    {"Decider Volcanic", "Decider Volcanic", Faction::PacificRimForces, "1st Gen", "Turn 2", 12, 16, 2, 2000, 15, 117.0f, 2000.0f, 5.0f, 36.5f, 8.0f, 3.0f, 8.0f, {"22nd*", "19th*", "31st", "22nd*", "30th*", "27th", "25th*", "28th", "17th*", " 6th", " 5th"}, {"270-RI", "120-MG", "140-MG"}, {"67-CG", "305-HW"}},
    {"Falchion", "Falchion", Faction::PacificRimForces, "1st Gen", "Turn 1", 10, 12, 1, 2200, 20, 167.0f, 1400.0f, 7.0f, 18.2f, 16.0f, 1.5f, 6.0f, {"27th*", "28th*", " 9th*", "31st", "29th", " 5th*", " 8th", "30th*", "28th*", " 7th", " 7th*"}, {"270-RI", "200-AR", "120-MG", "140-MG"}, {"DP-MIS", "67-CG"}},
    {"m-Vitzh", "mVitzh", Faction::HaiShiDao, "1st Gen", "Turn 3", 10, 14, 2, 1400, 10, 129.0f, 1800.0f, 17.0f, 37.6f, 8.0f, 4.0f, 7.0f, {"27th*", "25th", "26th", "25th*", " 4th*", "29th", "25th*", "25th*", "22nd*", " 3rd*", " 1st*"}, {"270-RI", "4A-REC", "77-REC", "120-MG", "140-MG"}, {"67-CG", "GND"}},
    {"Scareface", "Scareface", Faction::HaiShiDao, "1st Gen", "Turn 2", 15, 17, 2, 3000, 20, 138.0f, 2500.0f, 10.0f, 30.3f, 12.5f, 4.5f, 8.0f, {"16th*", "18th", "23rd*", "19th", "22nd", "22nd", "13th*", "23rd*", "17th*", "10th", " 7th*"}, {"315-SB", "320-SR", "4A-REC", "77-REC"}, {"80-CG", "GND", "T-GND"}},
    {"Scareface A1", "Scareface A1", Faction::HaiShiDao, "1st Gen", "Turn 3", 12, 13, 2, 2500, 20, 160.0f, 1600.0f, 5.0f, 21.3f, 13.5f, 5.0f, 6.5f, {"22nd*", "27th", "14th", "27th*", "30th*", "10th", "12th", "22nd", "26th*", " 8th*", " 7th*"}, {"315-SB", "320-SR", "4A-REC", "77-REC", "MKR-LA"}, {"80-CG", "GND", "T-GND"}},
    {"Vitzh", "Vitzh", Faction::HaiShiDao, "1st Gen", "Turn 1", 10, 12, 2, 1200, 10, 120.0f, 1600.0f, 20.0f, 36.4f, 8.0f, 3.5f, 6.0f, {"27th*", "28th*", "28th", "27th*", " 1st", "26th", "25th*", "27th", "28th*", " 2nd", " 1st*"}, {"270-RI", "4A-REC", "77-REC", "120-MG", "140-MG"}, {"67-CG", "GND"}},
    {"Vortex", "Vortex", Faction::HaiShiDao, "1st Gen", "Turn 1", 14, 16, 2, 1000, 10, 118.0f, 1600.0f, 8.0f, 36.3f, 8.0f, 15.5f, 8.0f, {"19th*", "19th*", "29th*", "27th*", "25th*", "25th", "25th*", " 5th*", "17th*", " 1st", " 1st*"}, {"MK21-R", "MK34-R", "120-MG"}, {"67-CG", "370-HW"}},
    {"Behemoth", "Behemoth", Faction::HaiShiDao, "2nd Gen", "Turn 5", 26, 29, 2, 14000, 65, 118.0f, 12000.0f, 17.0f, 40.0f, 7.0f, 14.5f, 14.5f, {" 4th*", " 4th*", "29th*", " 2nd", " 4th*", "30th", "29th*", " 8th*", " 3rd*", "16th", "24th*"}, {"MK21-R", "MK34-R", "HMV-LA"}, {"135-MG", "660-HW", "550-HW", "12-MLR", "AVTDV"}},
    {"Blade", "Blade", Faction::PacificRimForces, "2nd Gen", "Turn 4", 12, 15, 1, 10000, 35, 167.0f, 1800.0f, 8.0f, 18.2f, 17.5f, 1.5f, 7.0f, {"22nd*", "23rd*", " 9th*", "25th*", "25th*", " 5th*", " 4th", "30th*", "22nd*", "12th", "12th"}, {"270-RI", "200-AR", "270-AR", "120-MG", "140-MG"}, {"DL-GM", "DP-MIS", "TP-MIS", "67-CG"}},
    {"Garpike", "Garpike", Faction::HaiShiDao, "2nd Gen", "Turn 6", 15, 18, 2, 26000, 55, 168.0f, 4200.0f, 12.5f, 24.2f, 12.5f, 14.5f, 9.0f, {"16th*", "15th*", " 8th", "10th", "11th*", "13th", "13th*", " 8th*", "14th*", "19th", "20th"}, {"200-AR", "270-AR", "120-MG", "140-MG"}, {"100-CG", "135-MG", "AVTM", "FMTHR", "NPM"}},
    {"Jaralaccs C", "Jaralaccs C", Faction::Jaralaccs, "2nd Gen", "Turn 5", 16, 18, 2, 17000, 50, 159.0f, 3800.0f, 11.0f, 26.0f, 11.5f, 13.5f, 9.0f, {"14th*", "15th*", "15th*", "13th", "19th*", "14th*", "16th*", "11th", "14th*", "18th", "19th"}, {"315-SB", "120-MG", "140-MG", "AS-MIS", "MKR-LA"}, {"FMTHR", "NPM", "AVTM", "T-GND", "DL-GM"}},
    {"Jaralaccs N", "Jaralaccs N", Faction::Jaralaccs, "2nd Gen", "Turn 5", 22, 24, 2, 16000, 45, 159.0f, 3500.0f, 11.0f, 26.0f, 11.5f, 12.5f, 12.0f, {" 8th*", " 9th*", "15th*", "14th", "11th*", "14th*", "16th*", "12th*", " 9th*", "17th*", "16th*"}, {"315-SB", "355-SB", "120-MG", "140-MG", "MK21-R", "MK34-R", "AS-MIS", "HMV-LA", "MKR-LA"}, {"305-HW", "FMTHR", "NPM", "DP-MIS", "TP-MIS", "DL-GM"}},
    {"Jaralaccs NSR", "Jaralaccs NSR", Faction::Jaralaccs, "2nd Gen", "Turn 6", 22, 26, 2, 40000, 60, 167.0f, 4800.0f, 12.5f, 20.8f, 14.0f, 14.5f, 12.5f, {" 8th*", " 7th*", " 9th*", " 8th", "11th*", " 9th", " 9th*", " 8th*", " 7th*", "22nd*", "21st*"}, {"315-SB", "355-SB", "430-SB", "120-MG", "140-MG", "MK21-R", "MK34-R", "AS-MIS", "HMV-LA"}, {"FMTHR", "NPM", "AVTM", "DP-MIS", "TP-MIS", "DL-GM", "SL-GM"}},
    {"Macabre", "Macabre", Faction::Jaralaccs, "2nd Gen", "Turn 7", 26, 30, 2, 120000, 70, 177.0f, 6000.0f, 12.5f, 18.2f, 16.5f, 15.5f, 14.5f, {" 4th*", " 4th*", " 6th", " 3rd*", "11th*", " 5th*", " 9th*", " 5th*", " 3rd*", "28th", "26th*"}, {"315-SB", "355-SB", "430-SB", "120-MG", "140-MG", "MK21-R", "MK34-R", "AS-MIS", "HMV-LA"}, {"FMTHR", "NPM", "AVTM", "DP-MIS", "TP-MIS", "DL-GM", "SL-GM", "AVTGM", "RAIL-B"}},
    {"Maelstrom", "Maelstrom", Faction::HaiShiDao, "2nd Gen", "Turn 5", 19, 22, 2, 12000, 40, 139.0f, 2800.0f, 9.5f, 33.0f, 9.0f, 20.0f, 6.5f, {"13th", "12th*", "21st*", "17th*", "23rd", "23rd*", "23rd*", " 1st", "26th*", "14th*", "13th*"}, {"MK21-R", "MK34-R", "120-MG", "140-MG"}, {"67-CG", "370-HW", "550-HW", "8-MLR"}},
    {"Prominence M1", "Prominence M1", Faction::PacificRimForces, "2nd Gen", "Turn 4", 22, 24, 2, 11000, 40, 150.0f, 3000.0f, 17.0f, 28.0f, 10.5f, 6.0f, 12.0f, {" 8th*", " 9th*", "18th", "16th", " 4th*", "18th", "19th*", "19th*", " 9th*", "13th", "13th*"}, {"315-SB", "355-SB", "315-TR", "315-RF", "AS-MIS"}, {"67-CG", "80-CG", "205-PT", "22b-PT"}},
    {"Prominence M2", "Prominence M2", Faction::PacificRimForces, "2nd Gen", "Turn 5", 8, 12, 2, 40000, 60, 138.0f, 4000.0f, 8.0f, 40.3f, 7.0f, 4.5f, 6.0f, {"30th*", "30th*", "23rd*", "11th*", "25th*", "31st", "29th*", "23rd*", "28th*", "22nd*", "24th*"}, {"315-SB", "355-SB", "315-RF", "AS-MIS"}, {"67-CG", "80-CG", "MM", "RAIL-A"}},
    {"Prominence M3", "Prominence M3", Faction::PacificRimForces, "2nd Gen", "Turn 6", 12, 14, 2, 60000, 65, 167.0f, 4000.0f, 18.0f, 26.0f, 11.5f, 5.5f, 7.0f, {"22nd*", "25th", " 9th*", "11th*", " 2nd*", "14th*", "16th*", "21st", "22nd*", "25th", "24th*"}, {"355-SB", "430-SB", "315-RF", "355-RF", "AS-MIS"}, {"67-CG", "80-CG", "305-HW", "205-PT", "22b-PT", "SL-GM", "RAIL-A", "MM"}},
    {"Rapier", "Rapier", Faction::PacificRimForces, "2nd Gen", "Turn 5", 15, 18, 1, 40000, 45, 200.0f, 2000.0f, 8.0f, 16.4f, 18.0f, 2.0f, 9.0f, {"16th*", "15th*", " 1st", "22nd*", "25th*", " 2nd", " 2nd*", "29th", "14th*", "22nd*", "16th*"}, {"200-AR", "270-AR", "270-RI", "120-MG", "140-MG"}, {"STUN-R", "DP-MIS", "TP-MIS", "DL-GM", "AVTGM"}},
    {"Scareface II", "Scareface II", Faction::HaiShiDao, "2nd Gen", "Turn 4", 20, 24, 2, 12000, 40, 149.0f, 3400.0f, 15.5f, 28.8f, 10.5f, 6.0f, 12.0f, {"11th*", " 9th*", "19th", "15th", " 8th", "19th", "19th*", "19th*", " 9th*", "14th*", "13th*"}, {"320-SR", "370-SR", "315-SB", "355-SB", "PZ-MIS"}, {"100-CG", "GND", "T-GND"}},
    {"Sheepdog", "Sheepdog", Faction::RightBrothers, "2nd Gen", "Turn 5", 8, 10, 1, 30000, 45, 198.0f, 1600.0f, 8.5f, 15.2f, 20.0f, 16.0f, 5.0f, {"30th*", "30th*", " 2nd", "27th*", "24th", " 1st", " 1st", " 4th", "31st", "20th*", "16th*"}, {"MKR-LA", "120-MG", "140-MG", "4A-REC", "77-REC"}, {"67-CG", "GND", "T-GND"}},
    {"Siegesug", "Seigesug", Faction::RightBrothers, "2nd Gen", "Turn 6", 20, 22, 2, 30000, 60, 158.0f, 4600.0f, 14.0f, 27.8f, 10.5f, 12.5f, 10.5f, {"11th*", "12th*", "15th*", " 9th", " 9th*", "17th", "19th*", "12th*", "12th", "20th*", "21st*"}, {"355-SB", "430-SB", "315-RF", "355-RF", "120-MG", "140-MG", "PZ-MIS"}, {"135-MG", "SL-GM"}},
    {"Yellow Jacket", "Yellow Jacket", Faction::RightBrothers, "2nd Gen", "Turn 4", 16, 20, 2, 9000, 30, 139.0f, 2800.0f, 18.0f, 29.0f, 10.5f, 11.5f, 9.5f, {"14th*", "14th", "21st*", "17th*", " 2nd*", "20th", "19th*", "14th", "13th", "11th", "11th"}, {"315-TR", "315-SB", "355-SB", "120-MG", "140-MG", "4A-REC", "77-REC", "MKR-LA"}, {"67-CG", "GND", "T-GND"}},
    {"Earthshaker", "Earthshaker", Faction::RightBrothers, "3rd Gen", "Turn 7", 34, 37, 2, 400000, 100, 180.0f, 15000.0f, 12.5f, 19.2f, 16.5f, 15.5f, 12.5f, {" 2nd", " 2nd", " 4th*", " 1st", "11th*", " 8th", " 6th*", " 5th*", " 7th", "31st", "31st"}, {"355-SB", "430-SB", "355-RF", "HMV-LA", "MKR-LA"}, {"67-CG", "DP-MIS", "TP-MIS", "DL-GM", "SL-GM", "AVTDV", "RAIL-B"}},
    {"Juggernaut", "Juggernaut", Faction::HaiShiDao, "3rd Gen", "Turn 8", 38, 40, 1, 300000, 90, 180.0f, 6000.0f, 14.0f, 18.0f, 17.0f, 7.5f, 19.0f, {" 1st", " 1st", " 4th*", " 3rd*", " 9th*", " 4th", " 5th", "17th", " 1st", "30th", "30th"}, {"355-SB", "430-SB", "355-RF", "PZ-MIS"}, {"100-CG", "135-MG", "DP-MIS", "TP-MIS", "DL-GM", "AVTDV", "RAIL-B"}},
    {"Quasar", "Quasar", Faction::PacificRimForces, "3rd Gen", "Turn 7", 32, 36, 1, 260000, 85, 188.0f, 5500.0f, 11.0f, 16.6f, 18.0f, 7.0f, 17.5f, {" 3rd", " 3rd", " 3rd", " 5th", "19th*", " 3rd", " 2nd*", "18th", " 2nd", "29th", "29th"}, {"355-SB", "430-SB", "355-RF", "AS-MIS"}, {"67-CG", "DP-MIS", "TP-MIS", "DL-GM", "205-PT", "22b-PT", "RAIL-B"}},
    {"Regal Dress A", "Regal Dress A", Faction::HaiShiDao, "3rd Gen", "Turn 7", 24, 28, 1, 100000, 70, 166.0f, 5000.0f, 12.5f, 23.4f, 14.0f, 16.5f, 13.0f, {" 6th*", " 6th", "13th", " 6th*", "11th*", "12th", " 9th*", " 2nd*", " 5th*", "26th*", "26th*"}, {"MK21-R", "MK34-R", "120-MG", "140-MG"}, {"100-CG", "135-MG", "550-HW", "12-MLR", "AVTDV", "SL-GM", "GND", "T-GND"}},
    {"Regal Dress N", "Regal Dress N", Faction::HaiShiDao, "3rd Gen", "Turn 7", 24, 26, 1, 100000, 70, 172.0f, 5000.0f, 12.5f, 21.4f, 14.0f, 16.5f, 13.0f, {" 6th*", " 7th*", " 7th", "14th", "11th*", "11th", " 9th*", " 2nd*", " 5th*", "26th*", "26th*"}, {"355-SB", "430-SB", "320-SR", "370-SR", "HMV-LA", "PZ-MIS"}, {"100-CG", "135-MG", "GND", "T-GND", "SL-GM"}},
}};

// Fixed weapons: VT, slot, weapon, item position in the slot's selector, range band.
const std::array<FixedMount, FixedMountCount> FixedMounts = {{
    {12, FixedSlot::SW2, "BANG-N", 6, 0, 200},
    {13, FixedSlot::SW2, "CUT-B", 6, 0, 200},
    {15, FixedSlot::SW2, "CUT-B", 8, 0, 200},
    {16, FixedSlot::SW2, "SHLD-B", 10, 0, 200},
    {19, FixedSlot::SW1, "RAIL-A", 4, 0, 1500},
    {19, FixedSlot::SW2, "MM", 3, 300, 800},
    {20, FixedSlot::SW1, "RAIL-A", 7, 0, 1500},
    {20, FixedSlot::SW2, "MM", 8, 300, 800},
    {23, FixedSlot::MW2, "PPNG-S", 6, 0, 2000},
    {24, FixedSlot::SW2, "SHLD-B", 3, 0, 200},
    {26, FixedSlot::SW3, "GAUSS", 8, 0, 2000},
}};
// clang-format on

// The Prominence M2 and M3 offer only the start of their list in sub-weapon slot 3.
const std::array<ShortSubList, 2> ShortSubLists = {{{ProminenceM2, 3}, {ProminenceM3, 7}}};

const VtEntry& vtEntry(int index) {
    if (index < 0 || index >= VtCount)
        throw std::out_of_range("VT index out of range");
    return VtCatalogue[static_cast<std::size_t>(index)];
}

int shortSubListItems(int vt) {
    for (const auto& s : ShortSubLists)
        if (s.vt == vt)
            return s.items;
    return 0;
}

} // namespace vantor
