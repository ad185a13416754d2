#pragma once
#include "basso/Basso.h"
