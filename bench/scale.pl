#!/usr/bin/perl
# The short script a user might write instead of Tremaro, kept here to measure against. It
# follows the same rules: only property lines inside the form's description (first Begin
# to its closing End) change, and only layout names (ending in Top, Left, Width, Height but
# not ImageWidth/ImageHeight or a user-scale block's own Scale*, X1 Y1 X2 Y2 _ExtentX
# _ExtentY; Size in a font group and names ending in FontSize); the value field of ten
# characters after the first "=", grown while a number runs on; whole numbers rounded half
# to even and at least 1 when they were, font sizes cut to two decimals. Numbers are read
# with a plain pattern, not every way Val reads them.
# Usage: scale.pl PERCENT < in.frm > out.frm
use strict;
use warnings;

my $factor = $ARGV[0] / 100;
my $number = qr/[-+]?(?:\d+\.?\d*|\.\d+)/;
binmode STDIN;
binmode STDOUT;
local $/ = "\r\n";
my @lines = <STDIN>;
chomp @lines;

# First pass: where each line stands. A ScaleMode may follow the lines it rules, so a
# block's user scale is known only once the block has been read.
my (@block_of, @group_of, @inside, @parent, @user_scale, @open);
my ($started, $block) = (0, -1);
for my $i (0 .. $#lines) {
    my $trimmed = '';
    if ($lines[$i] =~ /^[ \t]*[BES]/) {    # only these lines matter to the structure
        ($trimmed = $lines[$i]) =~ s/^[ \t]+//;
        $trimmed =~ s/[ \t]+$//;
    }
    my $begin = $trimmed =~ /^Begin(?:[ \t]|$)/;
    next unless $started || $begin;
    $started = 1;
    if ($begin) {
        push @parent, $block;
        $block = $#parent;
        push @open, [0, $block];
    } elsif ($trimmed eq 'End') {
        pop @open while $open[-1][0];
        pop @open;
        $block = $parent[$block];
    } elsif ($trimmed =~ /^BeginProperty(?:[ \t]+([^ \t]*)|$)/) {
        push @open, [1, defined $1 ? $1 : ''];
    } elsif ($trimmed eq 'EndProperty') {
        pop @open if $open[-1][0];
    } else {
        $inside[$i] = 1;
        $block_of[$i] = $block;
        $group_of[$i] = $open[-1][0] ? $open[-1][1] : undef;
        if (!defined $group_of[$i] && $trimmed =~ /^ScaleMode[ \t]*=(.*)$/) {
            (my $mode = $1) =~ s/[ \t\n]//g;
            $user_scale[$block] = 1 if $mode =~ /^($number)/ && $1 == 0;
        }
    }
    last unless @open;
}

# 1 for a whole number, 2 for a font size, 0 for a line that stays.
sub value_class {
    my ($name, $group, $user_scale) = @_;
    if ($name =~ /(?:Top|Left|Width|Height)$/) {
        return 0 if $name eq 'ImageWidth' || $name eq 'ImageHeight';
        return 0 if !defined $group && $user_scale && $name =~ /^Scale(?:Top|Left|Width|Height)$/;
        return 1;
    }
    return 1 if $name =~ /^(?:X1|Y1|X2|Y2|_ExtentX|_ExtentY)$/;
    return 2 if $name =~ /FontSize$/ || ($name eq 'Size' && defined $group && $group =~ /Font$/);
    return 0;
}

for my $i (0 .. $#lines) {
    my $line = $lines[$i];
    my $equals = index($line, '=');
    if ($inside[$i] && $equals >= 0 && index($line, "'", $equals) < 0) {
        (my $name = substr($line, 0, $equals)) =~ s/^[ \t]+//;
        $name =~ s/[ \t]+$//;
        my $class = value_class($name, $group_of[$i], $user_scale[$block_of[$i]]);
        my $start = $equals + 1;
        my $length = length($line) - $start < 10 ? length($line) - $start : 10;
        $length++ while $length > 0 && substr($line, $start + $length - 1, 2) =~ /^[0-9.]{2}$/;
        if ($class && substr($line, $start, $length) =~ /^[ \t]*($number)/) {
            my $value = $1;
            my $new;
            if ($class == 2) {
                $new = int($value * $factor * 100) / 100;
            } elsif ($value <= -60000 && $name eq 'Left') {
                $new = sprintf('%.0f', ($value + 75000) * $factor) - 75000;
            } else {
                $new = sprintf('%.0f', $value * $factor) + 0;
                $new = 1 if $value >= 1 && $new < 1;
            }
            $new = '  ' . $new;
            $new .= ' ' x ($length - length $new) if length $new < $length;
            substr($line, $start, $length) = $new;
        }
    }
    print $line, "\r\n";
}
