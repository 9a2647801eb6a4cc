// Members declared inside a class body (see the including header): declarations only, no include
// guard, no includes.
