#pragma once
// The caption vocabulary of the menus: named entries, each a text with "&" before its
// accelerator letter, filled for one language at a time from the built-in tables.
//
// The texts are UTF-8. They are shown only in the window's menus and never written to a
// file or a report, and most of the languages (Korean entirely, Romanian and Swedish in
// part) have letters that code page 850 cannot hold.
#include <array>
#include <string>

namespace kalo {

// Language numbers of the configuration; 0 keeps the built-in German captions.
enum Language {
  kLanguageNone = 0,
  kGerman = 1,
  kEnglish = 2,
  kFrench = 3,
  kItalian = 4,
  kSwedish = 5,
  kPortuguese = 6,
  kRomanian = 7,
  kKorean = 8,
  kSpanish = 9,
};
inline constexpr int kGeneralLanguages = 9;  // 1..9
inline constexpr std::array<int, 5> kProgramLanguages = {kGerman, kEnglish, kFrench, kRomanian, kKorean};

// The locale of a language number ("de", "en", "fr", ...); German for none or an unknown one.
const char* LanguageLocale(int language);

// The general group: texts for every language 1..9.
enum class GeneralCaption {
  Menu, File, New, Open, Save, SaveAs, ResetFile, EdiFiles, Settings, Exit, Info, Print, PrinterSetup, Import,
  Export, Edit, Text, Quick, Material, Manufacturing, Tolerances, Application, Design, PreliminaryDesign,
  Verification, CalculationMethod, View, Standard, StandardPrintout, Excerpt, Database, Cad, ProductionDrawing,
  Drawing, FrontView, SideView, Section, SimpleSection, TopView, Diagrams, Diagram, Document, DrawingData,
  ChangesInfo, ChangesPrintout, NewChange, EditChange, DeleteChange, DocumentSetup, Help, HelpPicture,
  ErrorMessages, Safety, Printout, Language, Other, BaseData, Dimensions, Table, Preview,
};
inline constexpr int kGeneralCaptions = static_cast<int>(GeneralCaption::Preview) + 1;

// The program group: the names of views, quantities and commands, with texts for German,
// English, French, Romanian and Korean.
enum class ProgramCaption {
  Bearing, ShaftDimensions, AxialForce, Load, Calculation, OperatingData, SimpleLoad, InputData, SpringRate,
  FrequencyResponse, Geometry, TaperRollerBearing, Body, ComplexLoad, Length, BearingSelection, BearingData,
  BearingArrangement, Life, Mass, NeedleSleeve, NeedleBearing, SelfAligningBallBearing, SphericalRollerBearing,
  Polyline, Position, Profile, ProfileStress, Profiles, RadialForce, DeepGrooveBallBearing, Reset, Scheme,
  AngularContactBallBearing, SpindleBearing, SpurGear, ProfileTable, Table, Deformation, RollingBearing, Shaft,
  ShaftWithBearings, Dimensioned, NotchEffectZone, CylindricalRollerBearing, PointForce, DistributedLoad,
  BendingMoment, Torque, NotchZone, ShearForce, BendingAngle, DeflectionLine, BendingStress, ShearStress,
  EquivalentStress, TensionCompression, Twist, DynamicDeflectionLine, Keyway, Tappet, ProfileWithStress,
  ProfileData, LeafSpring, BevelGear, Lubrication, Limits, TransferFunction, Draw, Graphics,
  // This program's own menu items and title.
  Undo, Redo, AllResults, DrawingAsSvg, DrawingAsPdf, Homepage, Email, Demo, History, Body3d, BodyAsStep, BodyAsStl,
  Title,
};
inline constexpr int kProgramCaptions = static_cast<int>(ProgramCaption::Title) + 1;

// A row of a caption table: the entry and its texts in the order of the group's languages;
// nullptr where a language leaves the entry as it was.
template <class Name, size_t N>
struct CaptionRow {
  Name name;
  std::array<const char*, N> texts;
};
using GeneralCaptionRow = CaptionRow<GeneralCaption, kGeneralLanguages>;
using ProgramCaptionRow = CaptionRow<ProgramCaption, kProgramLanguages.size()>;

// The built-in tables, one row per entry in the order of the names.
const std::array<GeneralCaptionRow, kGeneralCaptions>& GeneralCaptionTable();
const std::array<ProgramCaptionRow, kProgramCaptions>& ProgramCaptionTable();

class CaptionVocabulary {
 public:
  // The built-in German texts, some of them padded with blanks.
  CaptionVocabulary();

  // Fills the general group for languages 1..9 (any other number sets only the preview
  // entry, to "&Preview") and the program group for the languages it knows; the program
  // group keeps its texts for the others.
  void SetLanguage(int language);
  // The language last set; 0 before any.
  int Language() const { return language_; }

  const std::string& Text(GeneralCaption name) const { return general_[static_cast<size_t>(name)]; }
  const std::string& Text(ProgramCaption name) const { return program_[static_cast<size_t>(name)]; }

 private:
  int language_ = kLanguageNone;
  std::array<std::string, kGeneralCaptions> general_;
  std::array<std::string, kProgramCaptions> program_;
};

}  // namespace kalo
