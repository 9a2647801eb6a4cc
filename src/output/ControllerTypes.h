#pragma once
// Types that this subsystem's part of SKTWindowController needs, included before the class.

class QTimer;
