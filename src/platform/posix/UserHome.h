#pragma once

// Sets HOME from the user database when it is unset or empty.
void SetHomeWhenUnset();
