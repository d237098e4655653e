// Where each content pattern starts and stops reporting: one side of the line and the other.
#include "ContentCheck.h"

#include <gtest/gtest.h>
