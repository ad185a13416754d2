#include "basso/Basso.h"

#include "alto/Alto.h"
