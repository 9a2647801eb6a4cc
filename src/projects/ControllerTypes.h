#pragma once
// Types that this subsystem's part of SKTWindowController needs, included before the class.

#include "projects/Product_Details.h"

#include <vector>
