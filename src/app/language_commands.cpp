#include "app/language_commands.h"

#include "cad/cad_formats.h"
#include "context/context.h"

namespace kalo {

void SetLanguage(Context& context, CaptionVocabulary& captions, int language) {
  context.config.language = language;
  captions.SetLanguage(language);
}

std::vector<std::pair<std::string, std::string>> MainMenuCaptions(const CaptionVocabulary& captions) {
  using G = GeneralCaption;
  using P = ProgramCaption;
  auto g = [&](G name) { return captions.Text(name); };
  auto p = [&](P name) { return captions.Text(name); };
  std::vector<std::pair<std::string, std::string>> items = {
      {"mi_file", g(G::File)},
      {"mi_fileNew", g(G::New)},
      {"mi_fileOpen", g(G::Open)},
      {"mi_fileOpenTable", g(G::Open) + " (" + g(G::Table) + ")"},
      {"mi_fileSave", g(G::Save)},
      {"mi_fileSaveAs", g(G::SaveAs)},
      {"mi_fileImportDxf", g(G::Import) + " (DXF, STEP)..."},
      {"mi_fileExportDxf", g(G::Export) + " (DXF)..."},
      {"mi_filePrint", g(G::Print)},
      {"mi_fileConfig", g(G::Settings)},
      {"mi_fileExit", g(G::Exit)},
      {"mi_edit", g(G::Edit)},
      {"mi_editText", g(G::Text)},
      {"mi_editGeometrie", p(P::Geometry)},
      {"mi_editReset", p(P::Reset)},
      {"mi_editBerechnung", p(P::Calculation)},
      {"mi_editWerkstoff", g(G::Material)},
      {"mi_view", g(G::View)},
      {"mi_viewStandard", g(G::StandardPrintout)},
      {"mi_viewAuszug", g(G::Excerpt)},
      {"mi_viewGrafik", p(P::Graphics)},
      {"mi_viewTabelle", g(G::Table)},
      {"mi_viewZeichnung", g(G::Drawing)},
      {"mi_cad", g(G::Cad)},
      {"mi_cadGrafik", p(P::Graphics)},
      {"mi_cadPolylinie", p(P::Polyline)},
      {"mi_cadTabelle", g(G::Table)},
      {"mi_cadZeichnung", g(G::Drawing)},
      {"mi_database", g(G::Database)},
      {"mi_databaseWerkstoff", g(G::Material)},
      {"mi_documentation", g(G::Document)},
      {"mi_docInfo", g(G::DrawingData)},
      {"mi_docShowChanges", g(G::ChangesInfo)},
      {"mi_docPrintChanges", g(G::ChangesPrintout)},
      {"mi_docNewChange", g(G::NewChange)},
      {"mi_docModifyChange", g(G::EditChange)},
      {"mi_docDeleteChange", g(G::DeleteChange)},
      {"mi_docSetup", g(G::DocumentSetup)},
      {"mi_help", g(G::Help)},
      {"mi_helpHilfebild", g(G::HelpPicture)},
      {"mi_helpErrorMessages", g(G::ErrorMessages)},
      {"mi_helpLanguage", g(G::Menu) + " " + g(G::Language)},
      {"mi_helpAbout", g(G::Info)},
      {"mi_editUndo", p(P::Undo)},
      {"mi_editRedo", p(P::Redo)},
      {"mi_viewAlle", p(P::AllResults)},
      {"mi_viewBody3d", p(P::Body3d)},
      {"mi_cadStep", p(P::BodyAsStep)},
      {"mi_cadStl", p(P::BodyAsStl)},
      {"mi_helpWebPage", p(P::Homepage)},
      {"mi_helpEmail", p(P::Email)},
      {"mi_helpDemo", p(P::Demo)},
      {"mi_helpHistory", p(P::History)},
  };
  for (const CadFormat& format : CadFormats())
    if (format.IsPage()) items.push_back({format.pageMenuItem->name, p(format.pageMenuItem->caption)});
  for (int n = 1; n <= 5; ++n)
    items.push_back({"mi_docDocument" + std::to_string(n), g(G::Document) + " &" + std::to_string(n)});
  return items;
}

}  // namespace kalo
