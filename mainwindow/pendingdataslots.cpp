// Receivers of the detections' records and errors. Their bodies belong to the window's
// behaviour (filling the page trees and the Main summary); until then they accept and drop
// what they are given.

#include "mainwindow/verdimonnuvo.h"
