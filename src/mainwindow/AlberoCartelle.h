#pragma once
// The tree moved to common; kept while files outside this branch still include it here.
#include "common/AlberoCartelle.h"
