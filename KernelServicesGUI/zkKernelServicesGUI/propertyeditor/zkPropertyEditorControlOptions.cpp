#include "zkPropertyEditorControlOptions.h"

zkPropertyEditorControlOptions::~zkPropertyEditorControlOptions() = default;
