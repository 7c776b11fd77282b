#pragma once

// The system a port runs on, as the port says at start: the few texts that name the system
// (the About box's title line, a menu caption, the advice of the not-found message) say it in
// that system's words.
enum class Platform { Windows, Linux };
