#pragma once
// The two folder items of the shell list's pop-up menu: a new folder with a
// default name (made by the shell list, reported here) and a folder named
// after today's date.
//
// Window handlers:
//   creacartella1Click:                ReportNewFolder(slv1->CreateNewFolder(true), ui);
//   CreaCartellaconDatacorrente1Click: CreateDateFolder(slv1.FolderPath(), Now(), ui);
#include <string>

#include "platform/DateTime.h"
#include "platform/UiServices.h"

namespace vt {

inline constexpr const char* kNewFolderFailedText = "Creazione nuova Cartella fallita !";
inline constexpr const char* kFolderExistsText = "La directory esiste già";
inline constexpr const char* kFolderCreateErrorText = "Errore nella creazione della cartella";

// The error box of "Crea Nuova Cartella" when the shell list could not make
// the folder; nothing on success.
void ReportNewFolder(bool created, UiServices& ui);

// "YYYY-MM-DD" of the day of `today`.
std::string DateFolderName(DateTime today);

enum class DateFolderResult { Created, AlreadyExists, Failed };

// Makes folder + "/" + DateFolderName(today) (one level; no "/" is added
// when the folder already ends in one). A folder of that name already there
// gives the warning "La directory esiste già"; a failure (the folder is
// gone, a file has that name, no folder shown) the error "Errore nella
// creazione della cartella". Nothing is shown on success.
DateFolderResult CreateDateFolder(const std::string& folder, DateTime today, UiServices& ui);

} // namespace vt
