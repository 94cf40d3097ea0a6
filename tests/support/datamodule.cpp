// A damaged Wayland module: its entry point's name stands for data, not a function.
extern "C" {
extern const int tictactoeWaylandSession;
const int tictactoeWaylandSession = 42;
}
