// The file messages.
#include "base/FileMessages.h"

#include <cerrno>

#include "base/Error.h"

namespace vorel {

std::string FileMessageText(FileMessage message, std::string_view arg) {
  const char* pattern = "";
  switch (message) {
    case FileMessage::NotFound:
      pattern = "Fichier introuvable";
      break;
    case FileMessage::BadName:
      pattern = "Nom de fichier incorrect";
      break;
    case FileMessage::TooManyOpen:
      pattern = "Trop de fichiers ouverts";
      break;
    case FileMessage::AccessDenied:
      pattern = "Accès au fichier refusé";
      break;
    case FileMessage::ReadPastEnd:
      pattern = "Lecture au-delà de la fin de fichier";
      break;
    case FileMessage::SystemError:
      pattern = "Erreur E/S %d";
      break;
    case FileMessage::CannotCreate:
      pattern = "Impossible de créer le fichier %s";
      break;
    case FileMessage::CannotOpen:
      pattern = "Impossible d'ouvrir le fichier %s";
      break;
    case FileMessage::WriteFailed:
      pattern = "Erreur à l'enregistrement de flux";
      break;
    case FileMessage::ReadFailed:
      pattern = "Erreur au chargement de flux";
      break;
    case FileMessage::CannotWrite:
      pattern = "Impossible d'écrire dans %s";
      break;
    case FileMessage::CannotRead:
      pattern = "Impossible de lire le fichier %s";
      break;
    case FileMessage::RegisterBusy:
      pattern = "Le fichier des personnes est utilisé par un autre programme.";
      break;
    case FileMessage::RegisterChanged:
      pattern =
          "Le fichier des personnes a été modifié par un autre programme depuis son ouverture. "
          "Y ajouter vos modifications ?";
      break;
  }
  return FormatMessage(pattern, arg);
}

std::string SystemErrorText(int errorCode) {
  switch (errorCode) {
    case ENOENT:
    case ENOTDIR:
      return FileMessageText(FileMessage::NotFound);
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
      return FileMessageText(FileMessage::BadName);
    case EMFILE:
    case ENFILE:
      return FileMessageText(FileMessage::TooManyOpen);
    case EACCES:
    case EPERM:
    case EROFS:
      return FileMessageText(FileMessage::AccessDenied);
    default:
      return FileMessageText(FileMessage::SystemError, std::to_string(errorCode));
  }
}

}  // namespace vorel
