#include <gtest/gtest.h>

#include "host/data/SpctmWindow.h"
