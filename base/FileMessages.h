// Every message the program gives about a file, in one table: the wording the user reads.
#pragma once

#include <string>
#include <string_view>

namespace vorel {

enum class FileMessage {
  NotFound,         // "Fichier introuvable"
  BadName,          // "Nom de fichier incorrect"
  TooManyOpen,      // "Trop de fichiers ouverts"
  AccessDenied,     // "Accès au fichier refusé"
  ReadPastEnd,      // "Lecture au-delà de la fin de fichier"
  SystemError,      // "Erreur E/S %d"
  CannotCreate,     // "Impossible de créer le fichier %s"
  CannotOpen,       // "Impossible d'ouvrir le fichier %s"
  WriteFailed,      // "Erreur à l'enregistrement de flux"
  ReadFailed,       // "Erreur au chargement de flux"
  CannotWrite,      // "Impossible d'écrire dans %s"
  CannotRead,       // "Impossible de lire le fichier %s"
  RegisterBusy,     // the register is held by another program
  RegisterChanged,  // the question when another program changed the register
};

// The message, its "%s" or "%d" replaced with arg.
std::string FileMessageText(FileMessage message, std::string_view arg = {});

// The message of a system error code (errno) as the register's load reports it: one of the
// first six above.
std::string SystemErrorText(int errorCode);

}  // namespace vorel
