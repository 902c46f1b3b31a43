// The definitions window's control ids and its interface texts in the ten
// languages (a caption table, common/Captions.h).
#pragma once

#include "common/Captions.h"

namespace wx {

// Control ids (the end-to-end tests find the controls by them).
enum DefinitionsControlId : int {
  idDefLookupLab = 201,
  idDefKeyWord = 202,
  idDefSearchButton = 203,
  idDefDefs = 204,
  idDefViewTabs = 205,
  idDefSynonyms = 206,
  idDefPreviousBut = 207,
  idDefNounButton = 208,  // the verb, adjective and adverb buttons follow
  idDefVerbButton = 209,
  idDefAdjButton = 210,
  idDefAdvButton = 211,
  idDefCopyButton = 212,
  idDefHelpButton = 213,
  idDefCloseButton = 2,  // IDCANCEL: the Esc key
};

// Texts that are not a control's.
enum DefinitionsTextId : int {
  txtDefWordNotFound = kCaptionMessageBase,
  txtDefPartOfSpeech0 = kCaptionMessageBase + 0x10,  // + part of speech 0..7
  txtDefRelation0 = kCaptionMessageBase + 0x20,      // + relation type 0..12
};

const CaptionTable& DefinitionsFormTexts();

}  // namespace wx
